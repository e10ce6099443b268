// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appcontext.h"
#include "classfolder.h"
#include "devices.h"
#include "qtplatform.h"
#include "x11windowsystem.h"

#include <memory>

// The running program on the real machine: content beside the executable, real sound, message
// boxes and printer (sound and printer from the devices module).
class Application
{
public:
    // classFolder: the --class-folder option's value (empty: the variable, the settings file or
    // the login's own folder, classfolder.h).
    Application(const QString &runFolder, const QString &classFolder);
    ~Application();

    // Shows the title screen over the backdrop; with a file to import (one opened from a file
    // manager), the catalogue screen with the list of that file's questions instead.
    void start(const QString &fileToImport = QString());
    AppContext &context() { return *m_ctx; }

private:
    classfolder::Choice m_classFolder;
    RunFolderPaths m_paths;
    DeviceModule m_devices;
    DeferredSoundPlayer m_sound;
    QtMessageBoxes m_boxes;
    DeferredPrinter m_printer;
    DeferredSpeech m_speech;
    X11WindowSystem m_windows;
    std::unique_ptr<AppContext> m_ctx;
};
