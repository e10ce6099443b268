#include "appcontext.h"

#include "grey.h"

#include <QCoreApplication>

void AppContext::playSound(const QString &contentPath)
{
    if (state.SoundOn != 1)
        return;
    screens.get<Grey>()->SndDevil1().play(contentPath);
}

void AppContext::endProgram()
{
    screens.unloadAll();
    if (onEnd)
        onEnd();
    else
        QCoreApplication::exit(0);
}
