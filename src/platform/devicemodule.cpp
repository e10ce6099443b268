// SPDX-License-Identifier: GPL-3.0-or-later
// The devices module (quorvel-devices): the sound player, the printer and the reading voice of the
// real machine,
// loaded by DeviceModule once the first screen is drawn.
#include "devices.h"
#include "qtprinter.h"
#include "qtsound.h"
#include "qtspeech.h"

extern "C" Q_DECL_EXPORT SoundPlayer *quorvelCreateSoundPlayer(const ContentPaths *paths)
{
    return new QtSoundPlayer(*paths);
}

extern "C" Q_DECL_EXPORT Printer *quorvelCreatePrinter()
{
    return new QtPrinter();
}

extern "C" Q_DECL_EXPORT Speech *quorvelCreateSpeech()
{
    return new QtSpeech();
}
