// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/metafilerenderer.h"

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

namespace
{

// Records that change nothing this renderer draws; they are passed over without a complaint.
bool ignoredQuietly(quint16 function)
{
    switch (function) {
    case META_ESCAPE:
    case META_SETRELABS:
    case META_SETSTRETCHBLTMODE:
    case META_SETMAPPERFLAGS:
    case META_SETLAYOUT:
    case META_SETTEXTJUSTIFICATION:
    case META_SELECTPALETTE:
    case META_REALIZEPALETTE:
    case META_SETPALENTRIES:
    case META_RESIZEPALETTE:
    case META_ANIMATEPALETTE:
        return true;
    default:
        return false;
    }
}

} // namespace

void Player::problem(const QString &text)
{
    if (m_result.problems.size() < MaxProblems && !m_result.problems.contains(text))
        m_result.problems.append(text);
}

bool Player::afford(const QRectF &box, double edgeRows, qint64 fixed)
{
    const QRectF seen = box.normalized() & m_target;
    const double cost = seen.width() * seen.height() * PixelCost + edgeRows * EdgeRowCost +
                        double(fixed) + double(m_work);
    if (cost > double(WorkBudget)) {
        m_work = WorkBudget + 1;
        return false;
    }
    m_work = qint64(cost);
    return true;
}

double Player::edgeRows(const QPainterPath &path) const
{
    const double top = m_target.top(), bottom = m_target.bottom();
    const auto rows = [&](double a, double b) {
        return std::max(0.0, std::min(std::max(a, b), bottom) - std::max(std::min(a, b), top));
    };
    double total = 0;
    QPointF start, last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            total += rows(last.y(), start.y()); // the closing edge of the subpath before
            start = last = e;
            continue;
        }
        total += rows(last.y(), e.y);
        last = e;
    }
    return total + rows(last.y(), start.y());
}

bool Player::affordShape(const QPainterPath &path)
{
    const double pen = penWidth();
    const QRectF box = path.controlPointRect().adjusted(-pen, -pen, pen, pen);
    const double rows = edgeRows(path);
    if (!afford(box, rows))
        return false;
    const double height = std::max(1.0, (box & m_target).height());
    m_p.setRenderHint(QPainter::Antialiasing, rows <= MaxSmoothCrossings * height);
    return true;
}

void Player::resetMapping()
{
    m_dc.windowOrg = m_dc.viewportOrg = m_bounds.topLeft();
    m_dc.windowExt = m_dc.viewportExt = QPointF(m_bounds.width(), m_bounds.height());
    updateMapping();
}

// The picture's frame (its bounds, in the units the records call device units) fills the
// target; the records' window and viewport map logical units into that frame.
void Player::updateMapping()
{
    const double kx = m_target.width() / m_bounds.width();
    const double ky = m_target.height() / m_bounds.height();
    double sx = 1, sy = 1;
    const quint16 mode = m_dc.mapMode;
    if (mode == MM_ANISOTROPIC || mode == MM_ISOTROPIC) {
        if (m_dc.windowExt.x() == 0 || m_dc.windowExt.y() == 0 || m_dc.viewportExt.x() == 0 ||
            m_dc.viewportExt.y() == 0) {
            problem(QStringLiteral("zero window or viewport extent"));
            return;
        }
        sx = m_dc.viewportExt.x() / m_dc.windowExt.x();
        sy = m_dc.viewportExt.y() / m_dc.windowExt.y();
        if (mode == MM_ISOTROPIC) {
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    } else if (const double upi = unitsPerInch(mode); upi > 0) {
        sx = m_mf.header.unitsPerInch / upi;
        sy = -sx;
    }
    // device = (L - windowOrg) * s + viewportOrg; target = (device - bounds.topLeft) * k + target
    m_ax = sx * kx;
    m_ay = sy * ky;
    m_cx =
        (m_dc.viewportOrg.x() - m_dc.windowOrg.x() * sx - m_bounds.left()) * kx + m_target.left();
    m_cy = (m_dc.viewportOrg.y() - m_dc.windowOrg.y() * sy - m_bounds.top()) * ky + m_target.top();
}

double Player::clampCoord(double v, double lo, double hi) const
{
    if (!std::isfinite(v))
        return lo;
    return std::clamp(v, lo - m_limit, hi + m_limit);
}

QPointF Player::map(double x, double y) const
{
    return QPointF(clampCoord(m_ax * x + m_cx, m_target.left(), m_target.right()),
                   clampCoord(m_ay * y + m_cy, m_target.top(), m_target.bottom()));
}

QPointF Player::unmap(const QPointF &d) const
{
    return QPointF((d.x() - m_cx) / m_ax, (d.y() - m_cy) / m_ay);
}

QRectF Player::mapRect(double left, double top, double right, double bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

double Player::penWidth() const
{
    const double width = std::abs(m_dc.pen.width * m_ax);
    return std::min(width, 2 * std::max(m_target.width(), m_target.height()) + 1);
}

// An inside-frame pen keeps a shape's outline within its bounding rectangle.
QRectF Player::frame(const QRectF &r) const
{
    if ((m_dc.pen.style & PS_STYLE_MASK) != PS_INSIDEFRAME || m_dc.pen.width == 0)
        return r;
    const double half = std::min({penWidth() / 2, r.width() / 2, r.height() / 2});
    return r.adjusted(half, half, -half, -half);
}

bool Player::clipRect(bool intersect)
{
    if (count() < 4)
        return false;
    const QRect r = mapRect(s(3), s(2), s(1), s(0)).toRect();
    const QRegion current = m_dc.clipped ? m_dc.clip : m_baseClip;
    if (current.rectCount() > MaxClipRects) {
        problem(QStringLiteral("clipping too complex"));
        return false;
    }
    m_dc.clip = intersect ? current.intersected(r) : current.subtracted(r);
    m_dc.clipped = true;
    m_clipDirty = true;
    return true;
}

bool Player::restoreDc()
{
    if (count() < 1)
        return false;
    const int n = s(0);
    const int depth = static_cast<int>(m_saved.size());
    // Negative: that many levels back; positive: the absolute level a save returned.
    const int target = n < 0 ? depth + n : n - 1;
    if (n == 0 || target < 0 || target >= depth) {
        problem(QStringLiteral("restore of a state never saved"));
        return false;
    }
    m_dc = m_saved[size_t(target)];
    m_saved.resize(size_t(target));
    m_clipDirty = true;
    updateMapping();
    return true;
}

bool Player::play(const Record &r)
{
    m_params = &r.params;
    switch (r.function) {
    // State.
    case META_SETBKCOLOR:
        if (count() < 2)
            return false;
        m_dc.bkColor = colorRef(u(0), u(1));
        return true;
    case META_SETTEXTCOLOR:
        if (count() < 2)
            return false;
        m_dc.textColor = colorRef(u(0), u(1));
        return true;
    case META_SETBKMODE:
        if (count() < 1)
            return false;
        m_dc.bkMode = u(0) == TRANSPARENT ? TRANSPARENT : OPAQUE;
        return true;
    case META_SETPOLYFILLMODE:
        if (count() < 1)
            return false;
        m_dc.polyFillMode = u(0) == WINDING ? WINDING : ALTERNATE;
        return true;
    case META_SETTEXTALIGN:
        if (count() < 1)
            return false;
        m_dc.textAlign = u(0);
        return true;
    case META_SETROP2:
        if (count() < 1)
            return false;
        m_dc.rop2 = u(0);
        return true;
    case META_SETTEXTCHAREXTRA:
        if (count() < 1)
            return false;
        m_dc.charExtra = s(0);
        return true;
    case META_SETMAPMODE:
        if (count() < 1 || u(0) < MM_TEXT || u(0) > MM_ANISOTROPIC)
            return false;
        m_dc.mapMode = u(0);
        updateMapping();
        return true;
    case META_SETWINDOWORG:
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT: {
        if (count() < 2)
            return false;
        const QPointF v(s(1), s(0));
        if (r.function == META_SETWINDOWORG)
            m_dc.windowOrg = v;
        else if (r.function == META_SETVIEWPORTORG)
            m_dc.viewportOrg = v;
        else if (v.x() == 0 || v.y() == 0) {
            problem(QStringLiteral("zero window or viewport extent"));
            return false;
        } else if (r.function == META_SETWINDOWEXT)
            m_dc.windowExt = v;
        else
            m_dc.viewportExt = v;
        updateMapping();
        return true;
    }
    case META_OFFSETWINDOWORG:
    case META_OFFSETVIEWPORTORG: {
        if (count() < 2)
            return false;
        QPointF &org = r.function == META_OFFSETWINDOWORG ? m_dc.windowOrg : m_dc.viewportOrg;
        org += QPointF(s(1), s(0));
        updateMapping();
        return true;
    }
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT: {
        if (count() < 4)
            return false;
        const double yDen = s(0), yNum = s(1), xDen = s(2), xNum = s(3);
        if (yDen == 0 || xDen == 0 || yNum == 0 || xNum == 0) {
            problem(QStringLiteral("zero window or viewport extent"));
            return false;
        }
        QPointF &ext = r.function == META_SCALEWINDOWEXT ? m_dc.windowExt : m_dc.viewportExt;
        ext = QPointF(ext.x() * xNum / xDen, ext.y() * yNum / yDen);
        updateMapping();
        return true;
    }
    case META_MOVETO:
        if (count() < 2)
            return false;
        m_dc.currentPosition = QPointF(s(1), s(0));
        return true;
    case META_SAVEDC:
        if (m_saved.size() >= size_t(MaxSavedStates)) {
            problem(QStringLiteral("too many saved states"));
            return false;
        }
        m_saved.push_back(m_dc);
        return true;
    case META_RESTOREDC:
        return restoreDc();

    // Objects.
    case META_CREATEPENINDIRECT:
        return createPen();
    case META_CREATEBRUSHINDIRECT:
        return createBrush();
    case META_CREATEFONTINDIRECT:
        return createFont();
    case META_DIBCREATEPATTERNBRUSH:
        return createPatternBrush();
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_CREATEREGION:
        // Kept as placeholders so that later objects land in the slots the file expects.
        createObject(Object{Object::Placeholder, {}, {}, {}});
        return true;
    case META_SELECTOBJECT:
        return count() >= 1 && selectObject(u(0));
    case META_DELETEOBJECT:
        return count() >= 1 && deleteObject(u(0));

    // Clipping.
    case META_INTERSECTCLIPRECT:
        return clipRect(true);
    case META_EXCLUDECLIPRECT:
        return clipRect(false);
    case META_SELECTCLIPREGION:
        if (count() >= 1 && u(0) != 0)
            problem(QStringLiteral("clip regions are not applied"));
        m_dc.clipped = false;
        m_clipDirty = true;
        return true;
    case META_OFFSETCLIPRGN:
        if (count() < 2)
            return false;
        if (m_dc.clipped) {
            const int dx = qRound(std::clamp(s(1) * m_ax, -1e6, 1e6));
            const int dy = qRound(std::clamp(s(0) * m_ay, -1e6, 1e6));
            const QRect moved = m_dc.clip.boundingRect().translated(dx, dy);
            const QRect sane(-MaxClipCoordinate, -MaxClipCoordinate, 2 * MaxClipCoordinate,
                             2 * MaxClipCoordinate);
            if (sane.contains(moved))
                m_dc.clip.translate(dx, dy);
            else
                m_dc.clip = QRegion(); // moved far off: nothing shows through
            m_clipDirty = true;
        }
        return true;

    // Drawing.
    case META_LINETO:
        return lineTo();
    case META_POLYLINE:
        return polygon(false);
    case META_POLYGON:
        return polygon(true);
    case META_POLYPOLYGON:
        return polyPolygon();
    case META_RECTANGLE:
        return rectangle();
    case META_ROUNDRECT:
        return roundRect();
    case META_ELLIPSE:
        return ellipse();
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        return arcFamily(r.function);
    case META_TEXTOUT:
        return textOut();
    case META_EXTTEXTOUT:
        return extTextOut();
    case META_STRETCHDIB:
    case META_DIBSTRETCHBLT:
    case META_DIBBITBLT:
        return bitmap(r.function);
    case META_PATBLT:
        return patBlt();
    case META_SETPIXEL:
        return setPixel();
    default:
        return false;
    }
}

RenderResult Player::run()
{
    if (!m_target.isValid() || !std::isfinite(m_target.width()) ||
        !std::isfinite(m_target.height())) {
        m_result.problems.append(QStringLiteral("nowhere to draw"));
        m_result.skipped = m_mf.records.size();
        return m_result;
    }
    m_bounds = m_mf.header.bounds;
    if (m_bounds.isEmpty()) {
        problem(QStringLiteral("picture has no size; drawn at one unit a pixel"));
        m_bounds = QRectF(QPointF(0, 0), m_target.size());
    }
    m_limit = 16 * std::max(m_target.width(), m_target.height()) + 1024;
    m_baseClip = QRegion(m_target.toAlignedRect());
    if (m_p.hasClipping())
        m_baseClip &= m_p.clipRegion();
    m_dc.font.height = 0;
    resetMapping();

    m_p.save();
    m_p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                       QPainter::SmoothPixmapTransform);
    for (const Record &r : m_mf.records) {
        if (overBudget())
            break;
        m_work += RecordCost;
        if (ignoredQuietly(r.function)) {
            ++m_result.skipped;
            continue;
        }
        if (play(r)) {
            ++m_result.drawn;
            continue;
        }
        ++m_result.skipped;
        if (overBudget())
            continue; // reported below
        const char *name = functionName(r.function);
        problem(
            QStringLiteral("%1 skipped")
                .arg(*name
                         ? QString::fromLatin1(name)
                         : QStringLiteral("record 0x%1").arg(r.function, 4, 16, QLatin1Char('0'))));
    }
    if (overBudget()) {
        problem(QStringLiteral("drawing stopped: too much work"));
        m_result.skipped = int(m_mf.records.size()) - m_result.drawn;
    }
    m_p.restore();
    return m_result;
}

} // namespace wmf::player

namespace wmf
{

RenderResult render(const Metafile &metafile, QPainter &painter, const QRectF &target)
{
    player::Player drawing(metafile, painter, target);
    return drawing.run();
}

QImage renderToImage(const Metafile &metafile, QSize size, const QColor &background)
{
    if (size.isEmpty() || size.width() > MaxPixelSide || size.height() > MaxPixelSide)
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(background);
    QPainter painter(&image);
    render(metafile, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace wmf
