// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QString>

#include <memory>

// The real sound player, printer and reading voice live in a module of their own, quorvel-devices
// beside the executable, so that the sound and printing libraries are not loaded on the way to the
// first screen. DeviceModule loads it at the first use of either, or when the title screen asks for
// the click sound to be made ready just after it is drawn. Without the module nothing is heard and
// every print fails, as with a missing sound card or printer.
class DeviceModule
{
public:
    DeviceModule(const QString &folder, const ContentPaths &paths);
    ~DeviceModule();
    DeviceModule(const DeviceModule &) = delete;
    DeviceModule &operator=(const DeviceModule &) = delete;

    // Null when the module could not be loaded.
    SoundPlayer *sound();
    Printer *printer();
    Speech *speech();

private:
    void load();

    QString m_folder;
    const ContentPaths &m_paths;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_sound;
    std::unique_ptr<Printer> m_printer;
    std::unique_ptr<Speech> m_speech;
};

// Stand-ins handed to the screens: every call goes to the module's device.
class DeferredSoundPlayer : public SoundPlayer
{
public:
    explicit DeferredSoundPlayer(DeviceModule &module) : m_module(module) {}
    void play(const QString &contentPath) override;
    void prepare(const QString &contentPath) override;

private:
    DeviceModule &m_module;
};

// Without the module there is no voice, and it says so.
class DeferredSpeech : public Speech
{
public:
    explicit DeferredSpeech(DeviceModule &module) : m_module(module) {}
    QString unavailable() override;
    void say(const QStringList &texts) override;
    void stop() override;

private:
    DeviceModule &m_module;
};

// Without the module every print fails.
class DeferredPrinter : public Printer
{
public:
    explicit DeferredPrinter(DeviceModule &module) : m_module(module) {}
    int scaleWidth() const override;
    int scaleHeight() const override;
    QPoint printableCorner() const override;
    int textWidth(const QString &fontName, double points, const QString &text) const override;
    bool play(const PrintJob &job, const ContentPaths &paths) override;
    bool hasDefaultPrinter() const override;
    void setPdfFile(const QString &file) override;

private:
    Printer *device() const { return m_module.printer(); }
    DeviceModule &m_module;
};

// The module's entry points (extern "C", by these names).
using CreateSoundPlayer = SoundPlayer *(*)(const ContentPaths *paths);
using CreatePrinter = Printer *(*)();
using CreateSpeech = Speech *(*)();
inline constexpr char CreateSoundPlayerName[] = "quorvelCreateSoundPlayer";
inline constexpr char CreatePrinterName[] = "quorvelCreatePrinter";
inline constexpr char CreateSpeechName[] = "quorvelCreateSpeech";
