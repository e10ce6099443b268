#include "picturebox.h"

#include "twips.h"

#include <QPainter>

PictureBox::PictureBox(const QRect &twipRect, QWidget *parent) : QWidget(parent)
{
    setGeometry(twips::rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height()));
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}
