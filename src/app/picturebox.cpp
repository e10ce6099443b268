// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "platform.h"
#include "twips.h"

#include <QPainter>

PictureBox::PictureBox(const QRect &twipRect, QWidget *parent) : QWidget(parent)
{
    setGeometry(twips::rect(twipRect));
}

void warmPicture(const ContentPaths &paths, const QString &contentName, const QRect &twipRect,
                 qreal ratio)
{
    const QRect r = twips::rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height());
    paths.picture(contentName, r.size() * ratio);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_drawn = QImage();
    // A picture without transparency covers the whole control: what lies beneath (the page, the
    // screen's background) is not drawn again at each new picture, such as each frame of a logo.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull() && !picture.hasAlphaChannel());
    update();
}

void PictureBox::load(const ContentPaths &paths, const QString &contentName)
{
    setPicture(paths.picture(contentName, devicePixels()));
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
    if (m_drawn.size() != pixels) {
        m_drawn = screenFormat(
            m_picture.size() == pixels
                ? m_picture
                : m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_drawn.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter(this).drawImage(QPoint(0, 0), m_drawn);
}
