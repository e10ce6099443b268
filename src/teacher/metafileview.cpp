// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafileview.h"

#include "metafile/metafilerenderer.h"
#include "platform.h"
#include "twips.h"

#include <QFile>
#include <QPainter>

MetafileView::MetafileView(const QPoint &twipTopLeft, QWidget *parent) : QWidget(parent)
{
    move(twips::px(twipTopLeft.x()), twips::px(twipTopLeft.y()));
    resize(0, 0);
}

bool MetafileView::load(const ContentPaths &paths, const QString &contentName)
{
    m_name = contentName;
    m_metafile = wmf::Metafile();
    m_drawn = QImage();
    QFile file(paths.path(contentName));
    if (file.open(QIODevice::ReadOnly))
        m_metafile = wmf::read(&file).metafile; // a damaged page shows what could be read
    resize(hasPicture() ? m_metafile.pixelSize(96) : QSize(0, 0));
    update();
    return hasPicture();
}

QSize MetafileView::ownSizeTwips() const
{
    const QSizeF inches = m_metafile.sizeInInches();
    return QSize(qRound(inches.width() * 1440), qRound(inches.height() * 1440));
}

void MetafileView::paintEvent(QPaintEvent *)
{
    if (!hasPicture())
        return;
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.size() != size() * ratio) {
        m_drawn = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter painter(&m_drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        wmf::render(m_metafile, painter, QRectF(rect()));
    }
    QPainter(this).drawImage(QPoint(0, 0), m_drawn);
}
