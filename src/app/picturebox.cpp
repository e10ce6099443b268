// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "platform.h"
#include "twips.h"
#include "windowsystem.h"

#include <QPainter>

PictureBox::PictureBox(const QRect &twipRect, QWidget *parent) : QWidget(parent)
{
    // Inside a frame (the title's) it is placed across the frame; on a screen, across the design.
    setGeometry(twips::rect(twipRect, parent && !parent->isWindow() ? twips::fromPx(parent->width())
                                                                    : twips::DesignWidth));
}

PictureBox::~PictureBox() = default;

void warmPicture(const ContentPaths &paths, const QString &contentName, const QRect &twipRect,
                 qreal ratio)
{
    const QRect r = twips::rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height());
    paths.picture(contentName, r.size() * ratio);
}

void PictureBox::setPicture(const QImage &picture)
{
    takePicture(picture);
    update();
}

void PictureBox::takePicture(const QImage &picture)
{
    m_source = {};
    m_picture = picture;
    m_drawn = QImage();
    // A picture without transparency covers the whole control: what lies beneath (the page, the
    // screen's background) is not drawn again at each new picture, such as each frame of a logo.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull() && !picture.hasAlphaChannel());
}

void PictureBox::load(const ContentPaths &paths, const QString &contentName)
{
    setPicture(paths.picture(contentName, devicePixels()));
    m_source = {&paths, contentName};
}

void PictureBox::showFrame(WindowSystem &windows, int index, const QImage &frame)
{
    // Drawn as it is, at the control's size, and in full view: the server can copy it.
    const bool copyable = frame.format() == QImage::Format_RGB32 &&
                          frame.size() == devicePixels() && isVisible() && !m_noServerFrames &&
                          inFullView();
    if (!copyable) {
        setPicture(frame);
        return;
    }
    const WId window = this->window()->winId();
    if (!m_serverFrames || m_serverFrames->window() != window) {
        m_serverFrames = windows.serverFrames(window);
        m_noServerFrames = !m_serverFrames;
        if (m_noServerFrames) {
            setPicture(frame);
            return;
        }
    }
    // The control keeps the frame as its picture, so that a repaint (the window uncovered, the
    // page under it drawn again) draws the frame on view.
    takePicture(frame);
    const QPoint at = mapTo(this->window(), QPoint(0, 0)) * devicePixelRatioF();
    if (!m_serverFrames->show(index, frame, at)) {
        // Shown through a repaint the first time; kept in the server for the next.
        m_serverFrames->keep(index, frame);
        update();
    }
}

bool PictureBox::inFullView() const
{
    // Straight on its screen, not clipped by it, and nothing drawn over it: at each level up to
    // the window (the screen's own, or the stage a full-screen screen is drawn in), no later
    // sibling on view overlaps it.
    const QWidget *top = window();
    QRect area = geometry();
    for (const QWidget *w = this; w != top; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        if (!parent || !parent->isVisible() || !parent->rect().contains(area))
            return false;
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(w)) + 1; i < siblings.size();
             ++i) {
            const auto *sibling = qobject_cast<const QWidget *>(siblings[i]);
            if (sibling && !sibling->isWindow() && sibling->isVisible() &&
                sibling->geometry().intersects(area))
                return false;
        }
        area.translate(parent->pos());
    }
    return true;
}

QSize PictureBox::devicePixels() const
{
    return size() * devicePixelRatioF();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    const QSize pixels = devicePixels();
    // The scale changed (full screen) since the content picture was read: read again at the
    // new size rather than stretch the old one.
    if (m_source.paths && m_picture.size() != pixels && m_drawn.size() != pixels)
        m_picture = m_source.paths->picture(m_source.contentName, pixels);
    if (m_drawn.size() != pixels) {
        m_drawn = screenFormat(
            m_picture.size() == pixels
                ? m_picture
                : m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_drawn.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter(this).drawImage(QPoint(0, 0), m_drawn);
}
