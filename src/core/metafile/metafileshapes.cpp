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

void Player::applyPen()
{
    // The gaps of styled lines and of hatches show the background colour in opaque mode.
    m_p.setBackgroundMode(m_dc.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_p.setBackground(m_dc.bkColor);
    const PenDef &def = m_dc.pen;
    const quint16 style = def.style & PS_STYLE_MASK;
    if (style == PS_NULL || inkless()) {
        m_p.setPen(Qt::NoPen);
        return;
    }
    const double width = penWidth();
    QPen pen(def.color);
    // Styled pens are one pixel wide; a wider one draws solid.
    const bool dashed = style >= PS_DASH && style <= PS_DASHDOTDOT && width <= 1.5;
    if (def.width == 0 || dashed || width < 1)
        pen.setWidthF(0);
    else
        pen.setWidthF(width);
    if (dashed) {
        switch (style) {
        case PS_DASH:
            pen.setDashPattern({18, 6});
            break;
        case PS_DOT:
            pen.setDashPattern({3, 3});
            break;
        case PS_DASHDOT:
            pen.setDashPattern({9, 6, 3, 6});
            break;
        default:
            pen.setDashPattern({9, 3, 3, 3, 3, 3});
            break;
        }
    }
    switch (def.style & 0x0F00) {
    case 0x0100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (def.style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    m_p.setPen(pen);
}

void Player::applyBrush()
{
    const BrushDef &def = m_dc.brush;
    if (def.style == BS_NULL || inkless()) {
        m_p.setBrush(Qt::NoBrush);
        return;
    }
    if (def.style == BS_HATCHED) {
        static constexpr Qt::BrushStyle Hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
        m_p.setBrush(
            QBrush(def.color, def.hatch <= HS_DIAGCROSS ? Hatches[def.hatch] : Qt::SolidPattern));
        return;
    }
    if (!def.pattern.isNull()) {
        m_p.setBrush(QBrush(def.pattern));
        return;
    }
    m_p.setBrush(def.color);
}

void Player::applyClip()
{
    if (!m_clipDirty)
        return;
    m_p.setClipRegion(m_dc.clipped ? m_dc.clip : m_baseClip);
    m_clipDirty = false;
}

bool Player::strokeAndFill(const QPainterPath &path, bool fill)
{
    if (!affordShape(path))
        return false;
    applyClip();
    applyPen();
    if (fill)
        applyBrush();
    else
        m_p.setBrush(Qt::NoBrush);
    m_p.drawPath(path);
    return true;
}

bool Player::createObject(const Object &object)
{
    int slot;
    if (!m_freeSlots.empty()) {
        slot = *m_freeSlots.begin();
        m_freeSlots.erase(m_freeSlots.begin());
    } else if (m_objects.size() < size_t(MaxObjects)) {
        slot = static_cast<int>(m_objects.size());
        m_objects.emplace_back();
    } else {
        problem(QStringLiteral("too many objects"));
        return false;
    }
    m_objects[size_t(slot)] = object;
    return true;
}

bool Player::selectObject(int index)
{
    if (index < 0 || size_t(index) >= m_objects.size() ||
        m_objects[size_t(index)].kind == Object::Empty) {
        problem(QStringLiteral("select of a missing object"));
        return false;
    }
    const Object &o = m_objects[size_t(index)];
    switch (o.kind) {
    case Object::Pen:
        m_dc.pen = o.pen;
        return true;
    case Object::Brush:
        m_dc.brush = o.brush;
        return true;
    case Object::Font:
        m_dc.font = o.font;
        return true;
    default:
        return true; // a placeholder: palettes and regions change nothing we draw
    }
}

bool Player::deleteObject(int index)
{
    if (index < 0 || size_t(index) >= m_objects.size() ||
        m_objects[size_t(index)].kind == Object::Empty) {
        problem(QStringLiteral("delete of a missing object"));
        return false;
    }
    m_objects[size_t(index)] = Object();
    m_freeSlots.insert(index);
    return true;
}

bool Player::createPen()
{
    if (count() < 5) {
        problem(QStringLiteral("damaged pen"));
        createObject(Object{Object::Placeholder, {}, {}, {}});
        return false;
    }
    Object o;
    o.kind = Object::Pen;
    o.pen.style = u(0);
    o.pen.width = std::abs(int(s(1)));
    o.pen.color = colorRef(u(3), u(4));
    return createObject(o);
}

bool Player::createBrush()
{
    if (count() < 3) {
        problem(QStringLiteral("damaged brush"));
        createObject(Object{Object::Placeholder, {}, {}, {}});
        return false;
    }
    Object o;
    o.kind = Object::Brush;
    o.brush.style = u(0);
    o.brush.color = colorRef(u(1), u(2));
    o.brush.hatch = count() >= 4 ? u(3) : 0;
    if (o.brush.style != BS_SOLID && o.brush.style != BS_NULL && o.brush.style != BS_HATCHED)
        o.brush.style = BS_SOLID; // a pattern this record cannot carry
    return createObject(o);
}

bool Player::createFont()
{
    // LOGFONT: height, width, escapement, orientation, weight, then italic, underline,
    // strike-out, charset, three precision bytes, pitch and family, then the face name.
    if (count() < 9) {
        problem(QStringLiteral("damaged font"));
        createObject(Object{Object::Placeholder, {}, {}, {}});
        return false;
    }
    Object o;
    o.kind = Object::Font;
    FontDef &f = o.font;
    f.height = s(0);
    f.width = std::abs(int(s(1)));
    f.escapement = s(2);
    f.weight = u(4);
    f.italic = (u(5) & 0xFF) != 0;
    f.underline = (u(5) >> 8) != 0;
    f.strikeOut = (u(6) & 0xFF) != 0;
    f.charset = static_cast<quint8>(u(6) >> 8);
    const QByteArray faceBytes = paramBytes(*m_params, 9).left(LF_FACESIZE);
    const int nul = faceBytes.indexOf('\0');
    f.face = decodeText(nul >= 0 ? faceBytes.left(nul) : faceBytes, ANSI_CHARSET).trimmed();
    return createObject(o);
}

bool Player::polygon(bool closed)
{
    if (count() < 1)
        return false;
    const qint64 n = u(0);
    if (1 + 2 * n > count()) {
        problem(QStringLiteral("point count larger than the record"));
        return false;
    }
    QPolygonF points;
    points.reserve(static_cast<int>(n));
    for (int i = 0; i < n; ++i)
        points.append(mapPoint(1 + 2 * i, 2 + 2 * i));
    if (points.size() < 2)
        return true;
    QPainterPath outline;
    outline.addPolygon(points);
    if (!affordShape(outline))
        return false;
    applyClip();
    applyPen();
    if (closed) {
        applyBrush();
        m_p.drawPolygon(points, m_dc.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    } else {
        m_p.drawPolyline(points);
    }
    return true;
}

bool Player::polyPolygon()
{
    if (count() < 1)
        return false;
    const qint64 polys = u(0);
    if (1 + polys > count()) {
        problem(QStringLiteral("polygon count larger than the record"));
        return false;
    }
    qint64 total = 0;
    for (int i = 0; i < polys; ++i)
        total += u(1 + i);
    if (1 + polys + 2 * total > count()) {
        problem(QStringLiteral("point count larger than the record"));
        return false;
    }
    QPainterPath path;
    path.setFillRule(m_dc.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    int at = static_cast<int>(1 + polys);
    for (int i = 0; i < polys; ++i) {
        const int n = u(1 + i);
        QPolygonF points;
        points.reserve(n);
        for (int k = 0; k < n; ++k, at += 2)
            points.append(mapPoint(at, at + 1));
        if (n >= 2) {
            path.addPolygon(points);
            path.closeSubpath();
        }
    }
    return strokeAndFill(path, true);
}

bool Player::rectangle()
{
    if (count() < 4)
        return false;
    QPainterPath path;
    path.addRect(frame(mapRect(s(3), s(2), s(1), s(0))));
    return strokeAndFill(path, true);
}

bool Player::roundRect()
{
    if (count() < 6)
        return false;
    const QRectF r = frame(mapRect(s(5), s(4), s(3), s(2)));
    const double rw = std::min(std::abs(s(1) * m_ax), r.width()) / 2;
    const double rh = std::min(std::abs(s(0) * m_ay), r.height()) / 2;
    QPainterPath path;
    path.addRoundedRect(r, rw, rh);
    return strokeAndFill(path, true);
}

bool Player::ellipse()
{
    if (count() < 4)
        return false;
    QPainterPath path;
    path.addEllipse(frame(mapRect(s(3), s(2), s(1), s(0))));
    return strokeAndFill(path, true);
}

// Arcs run counter-clockwise as seen on the output from the radial through the start point to
// the radial through the end point.
bool Player::arcFamily(quint16 function)
{
    if (count() < 8)
        return false;
    const QRectF r = frame(mapRect(s(7), s(6), s(5), s(4)));
    if (r.width() <= 0 || r.height() <= 0)
        return true;
    const QPointF c = r.center();
    const QPointF start = mapPoint(3, 2), end = mapPoint(1, 0);
    auto angleOf = [&](const QPointF &p) {
        return qRadiansToDegrees(
            std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()));
    };
    const double a0 = angleOf(start);
    double sweep = angleOf(end) - a0;
    while (sweep <= 0)
        sweep += 360;
    if (sweep > 360)
        sweep = 360;
    QPainterPath path;
    if (function == META_PIE) {
        path.moveTo(c);
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, a0);
        path.arcTo(r, a0, sweep);
        if (function == META_CHORD)
            path.closeSubpath();
    }
    return strokeAndFill(path, function != META_ARC);
}

bool Player::lineTo()
{
    if (count() < 2)
        return false;
    const QPointF to(s(1), s(0));
    const QPointF from = map(m_dc.currentPosition.x(), m_dc.currentPosition.y());
    const double pen = penWidth();
    const QRectF box = QRectF(from, map(to.x(), to.y())).normalized();
    if (!afford(box.adjusted(-pen, -pen, pen, pen), box.height()))
        return false;
    m_p.setRenderHint(QPainter::Antialiasing);
    applyClip();
    applyPen();
    m_p.drawLine(from, map(to.x(), to.y()));
    m_dc.currentPosition = to;
    return true;
}

} // namespace wmf::player
