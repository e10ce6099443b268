#include "grey.h"

#include "appcontext.h"

#include <QGuiApplication>
#include <QScreen>

Grey::Grey(AppContext &context) : Screen(context)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Form1"));
    setMouseTracking(false);
    // Cover the whole screen even where no window manager maximises windows.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    setWindowState(Qt::WindowMaximized);
}

void Grey::Form_Load()
{
    setBackColor(QColor(48, 133, 214));
}

SoundPlayer &Grey::SndDevil1()
{
    return ctx.platform.sound;
}
