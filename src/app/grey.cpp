// SPDX-License-Identifier: GPL-3.0-or-later
#include "grey.h"

#include "appcontext.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <xcb/xcb.h>

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
    const QColor colour(48, 133, 214);
    setBackColor(colour);
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    // Server-side background: a full-screen window filled by the X server.
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_serverBackground = true;
    const quint32 pixel = colour.rgb() & 0xffffff;
    xcb_connection_t *connection = x11->connection();
    const auto window = static_cast<xcb_window_t>(winId());
    xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, window, 0, 0, 0, 0);
    xcb_flush(connection);
}

void Grey::mousePressEvent(QMouseEvent *event)
{
    lower();
    Screen::mousePressEvent(event);
}

QPaintEngine *Grey::paintEngine() const
{
    return m_serverBackground ? nullptr : Screen::paintEngine();
}

void Grey::paintEvent(QPaintEvent *event)
{
    if (!m_serverBackground)
        Screen::paintEvent(event);
}

SoundPlayer &Grey::SndDevil1()
{
    return ctx.platform.sound;
}
