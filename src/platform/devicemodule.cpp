// SPDX-License-Identifier: GPL-3.0-or-later
// The devices module (quorvel-devices): the sound player and the printer of the real machine,
// loaded by DeviceModule once the first screen is drawn.
#include "devices.h"
#include "qtprinter.h"
#include "qtsound.h"

extern "C" Q_DECL_EXPORT SoundPlayer *quorvelCreateSoundPlayer(const ContentPaths *paths)
{
    return new QtSoundPlayer(*paths);
}

extern "C" Q_DECL_EXPORT Printer *quorvelCreatePrinter()
{
    return new QtPrinter();
}
