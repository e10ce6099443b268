// SPDX-License-Identifier: GPL-3.0-or-later
#include "devices.h"

#include <QCoreApplication>
#include <QLibrary>

DeviceModule::DeviceModule(const QString &folder, const ContentPaths &paths)
    : m_folder(folder), m_paths(paths)
{
}

// The devices go before the module's code would; the module itself stays loaded to the end.
DeviceModule::~DeviceModule() = default;

void DeviceModule::load()
{
    if (m_tried)
        return;
    m_tried = true;
    QLibrary module(m_folder + QStringLiteral("/quorvel-devices"));
    const auto sound = reinterpret_cast<CreateSoundPlayer>(module.resolve(CreateSoundPlayerName));
    const auto printer = reinterpret_cast<CreatePrinter>(module.resolve(CreatePrinterName));
    if (!sound || !printer) {
        qWarning("Quorvel: no sound or printing: %s", qPrintable(module.errorString()));
        return;
    }
    m_sound.reset(sound(&m_paths));
    m_printer.reset(printer());
    if (const auto speech = reinterpret_cast<CreateSpeech>(module.resolve(CreateSpeechName)))
        m_speech.reset(speech());
}

SoundPlayer *DeviceModule::sound()
{
    load();
    return m_sound.get();
}

Printer *DeviceModule::printer()
{
    load();
    return m_printer.get();
}

Speech *DeviceModule::speech()
{
    load();
    return m_speech.get();
}

QString DeferredSpeech::unavailable()
{
    Speech *speech = m_module.speech();
    return speech ? speech->unavailable()
                  : QCoreApplication::translate("Speech",
                                                "Reading aloud is not installed on this computer.");
}

void DeferredSpeech::say(const QStringList &texts)
{
    if (Speech *speech = m_module.speech())
        speech->say(texts);
}

void DeferredSpeech::stop()
{
    if (Speech *speech = m_module.speech())
        speech->stop();
}

void DeferredSoundPlayer::play(const QString &contentPath)
{
    if (SoundPlayer *sound = m_module.sound())
        sound->play(contentPath);
}

void DeferredSoundPlayer::prepare(const QString &contentPath)
{
    if (SoundPlayer *sound = m_module.sound())
        sound->prepare(contentPath);
}

// Without the module the page is one twip square.
int DeferredPrinter::scaleWidth() const
{
    return device() ? device()->scaleWidth() : 1;
}

int DeferredPrinter::scaleHeight() const
{
    return device() ? device()->scaleHeight() : 1;
}

QPoint DeferredPrinter::printableCorner() const
{
    return device() ? device()->printableCorner() : QPoint();
}

int DeferredPrinter::textWidth(const QString &fontName, double points, const QString &text) const
{
    return device() ? device()->textWidth(fontName, points, text) : 0;
}

bool DeferredPrinter::play(const PrintJob &job, const ContentPaths &paths)
{
    return device() && device()->play(job, paths);
}

bool DeferredPrinter::hasDefaultPrinter() const
{
    return device() && device()->hasDefaultPrinter();
}

void DeferredPrinter::setPdfFile(const QString &file)
{
    if (device())
        device()->setPdfFile(file);
}
