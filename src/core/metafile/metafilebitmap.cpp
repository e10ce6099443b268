// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/metafileplayer.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegion>
#include <QSet>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "metafile/dib.h"
#include "metafile/wmfrecords.h"
#include "metafile/wmftext.h"

namespace wmf::player
{

bool Player::createPatternBrush()
{
    Object o;
    o.kind = Object::Brush;
    if (count() >= 2) {
        const Dib pattern = decodeDib(paramBytes(*m_params, 2), u(1), MaxPatternPixels);
        o.brush.pattern = pattern.image;
        if (o.brush.pattern.isNull())
            problem(QStringLiteral("pattern brush: %1").arg(pattern.error));
    }
    if (o.brush.pattern.isNull()) {
        o.brush.style = BS_SOLID;
        o.brush.color = Qt::gray;
    }
    createObject(o);
    return !o.brush.pattern.isNull();
}

bool Player::bitmap(quint16 function)
{
    // Word layouts: raster operation first (two words), then
    //   STRETCHDIB:    usage, srcH, srcW, ySrc, xSrc, dstH, dstW, yDst, xDst, DIB
    //   DIBSTRETCHBLT: srcH, srcW, ySrc, xSrc, dstH, dstW, yDst, xDst, DIB
    //   DIBBITBLT:     ySrc, xSrc, h, w, yDst, xDst, DIB
    // The last two have a bitmap-less form with one reserved word before the destination.
    const int fixed = function == META_STRETCHDIB ? 11 : function == META_DIBSTRETCHBLT ? 10 : 8;
    if (count() < fixed) {
        problem(QStringLiteral("bitmap record too short"));
        return false;
    }
    const quint32 rop = u32(0);
    const bool withBitmap = function == META_STRETCHDIB || count() >= fixed + 6;
    int srcH = 0, srcW = 0, ySrc = 0, xSrc = 0, dstH = 0, dstW = 0, yDst = 0, xDst = 0;
    quint16 usage = DIB_RGB_COLORS;
    if (function == META_STRETCHDIB) {
        usage = u(2);
        srcH = s(3), srcW = s(4), ySrc = s(5), xSrc = s(6);
        dstH = s(7), dstW = s(8), yDst = s(9), xDst = s(10);
    } else if (function == META_DIBSTRETCHBLT) {
        const int d = withBitmap ? 6 : 7;
        srcH = s(2), srcW = s(3), ySrc = s(4), xSrc = s(5);
        if (count() < d + 4)
            return false;
        dstH = s(d), dstW = s(d + 1), yDst = s(d + 2), xDst = s(d + 3);
    } else {
        const int d = withBitmap ? 4 : 5;
        ySrc = s(2), xSrc = s(3);
        if (count() < d + 4)
            return false;
        dstH = srcH = s(d), dstW = srcW = s(d + 1), yDst = s(d + 2), xDst = s(d + 3);
    }

    const QPointF a = map(xDst, yDst), b = map(double(xDst) + dstW, double(yDst) + dstH);
    const QRectF dest = QRectF(a, b).normalized();
    applyClip();
    if (!withBitmap) {
        if (!afford(dest))
            return false;
        if (rop == BLACKNESS)
            m_p.fillRect(dest, Qt::black);
        else if (rop == WHITENESS)
            m_p.fillRect(dest, Qt::white);
        else if (rop == PATCOPY && m_dc.brush.style != BS_NULL)
            m_p.fillRect(dest, m_dc.brush.pattern.isNull() ? QBrush(m_dc.brush.color)
                                                           : QBrush(m_dc.brush.pattern));
        else
            return false;
        return true;
    }

    const Dib dib = decodeDib(paramBytes(*m_params, fixed), usage);
    const QImage &image = dib.image;
    const bool topDown = dib.topDown;
    if (image.isNull()) {
        problem(QStringLiteral("bitmap not drawn: %1").arg(dib.error));
        return false;
    }
    // A bottom-up bitmap's source origin is its lower-left corner.
    const int w = std::abs(srcW), h = std::abs(srcH);
    QRect source(xSrc, topDown ? ySrc : image.height() - ySrc - h, w, h);
    source &= image.rect();
    if (source.isEmpty() || dest.isEmpty())
        return true;

    QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
    bool invert = false;
    switch (rop) {
    case SRCCOPY:
        break;
    case SRCAND:
        composition = QPainter::RasterOp_SourceAndDestination;
        break;
    case SRCPAINT:
        composition = QPainter::RasterOp_SourceOrDestination;
        break;
    case SRCINVERT:
        composition = QPainter::RasterOp_SourceXorDestination;
        break;
    case NOTSRCCOPY:
        invert = true;
        break;
    default:
        problem(QStringLiteral("bitmap raster operation %1 not drawn").arg(rop, 8, 16));
        return false;
    }
    if (!afford(dest, 0, qint64(double(image.width()) * image.height() * PixelCost)))
        return false;
    QImage piece = image.copy(source);
    const bool flipX = (b.x() < a.x()) != (srcW < 0);
    const bool flipY = (b.y() < a.y()) != (srcH < 0);
    if (flipX || flipY)
        piece = piece.mirrored(flipX, flipY);
    if (invert)
        piece.invertPixels();
    m_p.save();
    m_p.setCompositionMode(composition);
    m_p.drawImage(dest, piece);
    m_p.restore();
    return true;
}

bool Player::patBlt()
{
    if (count() < 6)
        return false;
    const quint32 rop = u32(0);
    const QRectF r = mapRect(s(5), s(4), double(s(5)) + s(3), double(s(4)) + s(2));
    if (!afford(r))
        return false;
    applyClip();
    if (rop == BLACKNESS)
        m_p.fillRect(r, Qt::black);
    else if (rop == WHITENESS)
        m_p.fillRect(r, Qt::white);
    else if (rop == PATCOPY && m_dc.brush.style != BS_NULL)
        m_p.fillRect(r, m_dc.brush.pattern.isNull() ? QBrush(m_dc.brush.color)
                                                    : QBrush(m_dc.brush.pattern));
    else
        return false;
    return true;
}

bool Player::setPixel()
{
    if (count() < 4)
        return false;
    applyClip();
    const QPointF p = mapPoint(3, 2);
    const double w = std::max(1.0, std::abs(m_ax)), h = std::max(1.0, std::abs(m_ay));
    m_p.fillRect(QRectF(p.x(), p.y(), w, h), colorRef(u(0), u(1)));
    return true;
}

} // namespace wmf::player
