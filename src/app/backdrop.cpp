// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"

#include "appcontext.h"
#include "standardlook.h"
#include "windowsystem.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

Backdrop::Backdrop(AppContext &context) : Screen(context)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    nameWindow(this, QString());
    setMouseTracking(false);
    // Cover the whole screen even where no window manager maximises windows.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    setWindowState(Qt::WindowMaximized);
}

void Backdrop::load()
{
    const QColor colour = backdropColour();
    setBackColor(colour);
    WindowSystem &windows = ctx.platform.windows;
    if (!windows.fillsBackgrounds())
        return;
    // Server-side background: a full-screen window filled by the X server.
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_serverBackground = true;
    windows.fillBackground(winId(), colour);
}

void Backdrop::mousePressEvent(QMouseEvent *event)
{
    lower();
    Screen::mousePressEvent(event);
}

QPaintEngine *Backdrop::paintEngine() const
{
    return m_serverBackground ? nullptr : Screen::paintEngine();
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    if (!m_serverBackground)
        Screen::paintEvent(event);
}

SoundPlayer &Backdrop::soundPlayer()
{
    return ctx.platform.sound;
}
