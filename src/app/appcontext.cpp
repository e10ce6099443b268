// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontext.h"

#include "backdrop.h"

#include <QCoreApplication>
#include <QTimer>

void AppContext::playSound(const QString &contentPath)
{
    if (state.soundOn != 1)
        return;
    screens.get<Backdrop>()->soundPlayer().play(contentPath);
}

void AppContext::endProgram()
{
    screens.unloadAll();
    if (onEnd) {
        onEnd();
        return;
    }
    // The windows are gone at once; the run ends a moment later so that the last click is heard.
    QTimer::singleShot(state.soundOn == 1 ? 300 : 0, [] { QCoreApplication::exit(0); });
}
