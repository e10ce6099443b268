#include "metafile/metafilerenderer.h"

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

namespace
{

using namespace wmf;

// Limits that keep a hostile file from making drawing slow or memory-hungry.
constexpr int MaxObjects = 16384;
constexpr int MaxSavedStates = 1024;
constexpr int MaxClipRects = 4096;
constexpr int MaxProblems = 40;
// Every new face name costs a font match; past this many the default face stands in.
constexpr int MaxFaces = 64;
// Characters drawn from one text record.
constexpr int MaxTextLength = 4096;
// Clip regions stay well inside int range however often they are moved.
constexpr int MaxClipCoordinate = 1 << 24;
// Brush patterns are tiles; every one is kept for the life of its object.
constexpr qint64 MaxPatternPixels = 256 * 256;

// The work of one drawing, in units of about a nanosecond of a desktop processor: a shape, text
// or bitmap that would take the drawing past WorkBudget is not drawn and the drawing stops, so
// that no file however well formed draws for much longer than a second. Measured on the raster
// engine: every record costs RecordCost; a shape PixelCost for each pixel of its box inside the
// target and EdgeRowCost for each row each of its edges spans (the rasterizer meets an edge on
// every row it crosses); text TextCost a record and CharCost a character besides its box (and
// OutlineCharCost more for a character emboldened by hand); a font not drawn with before
// FontBuildCost (a match in the font database).
constexpr qint64 WorkBudget = 1'000'000'000;
constexpr qint64 RecordCost = 60;
constexpr double PixelCost = 5;
constexpr double EdgeRowCost = 300;
constexpr qint64 TextCost = 30'000;
constexpr qint64 CharCost = 400;
constexpr qint64 OutlineCharCost = 20'000; // a character drawn as its widened outline
constexpr qint64 FontBuildCost = 500'000;
// Shapes whose edges cross each row more often than this on average are drawn without
// antialiasing, whose cost grows far faster with crossing edges.
constexpr double MaxSmoothCrossings = 4;
// Fonts kept for reuse within one drawing, by their description.
constexpr int MaxCachedFonts = 256;

constexpr quint16 R2_NOP = 11;
constexpr quint32 SRCINVERT = 0x00660046u;
constexpr quint32 NOTSRCCOPY = 0x00330008u;

QColor colorRef(quint16 low, quint16 high)
{
    return QColor(low & 0xFF, low >> 8, high & 0xFF);
}

struct PenDef {
    quint16 style = PS_SOLID;
    double width = 0; // logical units; 0 is one device pixel
    QColor color = Qt::black;
};

struct BrushDef {
    quint16 style = BS_SOLID;
    QColor color = Qt::white;
    quint16 hatch = 0;
    QImage pattern;
};

struct FontDef {
    int height = 0;
    int width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = ANSI_CHARSET;
    QString face;
};

struct Object {
    enum Kind { Empty, Pen, Brush, Font, Placeholder } kind = Empty;
    PenDef pen;
    BrushDef brush;
    FontDef font;
};

struct DcState {
    quint16 mapMode = MM_ANISOTROPIC;
    QPointF windowOrg, windowExt, viewportOrg, viewportExt;
    PenDef pen;
    BrushDef brush;
    FontDef font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    quint16 bkMode = OPAQUE;
    quint16 polyFillMode = ALTERNATE;
    quint16 textAlign = TA_LEFT | TA_TOP;
    quint16 rop2 = 13;
    int charExtra = 0;
    QPointF currentPosition; // logical
    bool clipped = false;
    QRegion clip; // target coordinates, meaningful when clipped
};

// Units per inch of a fixed map mode, 0 for the scalable ones and MM_TEXT.
double unitsPerInchOf(quint16 mode)
{
    switch (mode) {
    case MM_LOMETRIC:
        return 254;
    case MM_HIMETRIC:
        return 2540;
    case MM_LOENGLISH:
        return 100;
    case MM_HIENGLISH:
        return 1000;
    case MM_TWIPS:
        return 1440;
    default:
        return 0;
    }
}

// A font as drawn: built once per description and scale within a drawing.
struct TextFont {
    QFont font;
    double em = 0; // pixel size of the em; under half a pixel nothing is drawn
    QFontMetricsF metrics{QFont()};
    QRawFont raw; // for text with its own advances, made on first use
    bool rawMade = false;
};

class Player
{
public:
    Player(const Metafile &mf, QPainter &painter, const QRectF &target)
        : m_mf(mf), m_p(painter), m_target(target)
    {
    }

    RenderResult run();

private:
    // Parameters of the record being played.
    const QVector<quint16> *m_params = nullptr;
    int count() const { return m_params->size(); }
    qint16 s(int i) const { return static_cast<qint16>((*m_params)[i]); }
    quint16 u(int i) const { return (*m_params)[i]; }
    quint32 u32(int i) const { return u(i) | (quint32(u(i + 1)) << 16); }

    void problem(const QString &text);
    bool play(const Record &r);
    // Adds the work of drawing over box (target coordinates) a shape whose edges span edgeRows
    // rows of the target in all, plus fixed. False, adding nothing, when that would take the
    // drawing past its budget: the caller then draws nothing and the drawing stops.
    bool afford(const QRectF &box, double edgeRows = 0, qint64 fixed = 0);
    bool overBudget() const { return m_work > WorkBudget; }
    double edgeRows(const QPainterPath &path) const;
    // afford for a filled or outlined shape, choosing whether to smooth its edges.
    bool affordShape(const QPainterPath &path);
    TextFont &textFont(const QString &face, double maxPx);

    // Mapping.
    void resetMapping();
    void updateMapping();
    QPointF map(double x, double y) const;
    QPointF mapPoint(int xi, int yi) const { return map(s(xi), s(yi)); }
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double clampCoord(double v, double lo, double hi) const;
    QPointF unmap(const QPointF &device) const;

    // Drawing state.
    double penWidth() const;
    QRectF frame(const QRectF &r) const;
    void applyPen();
    void applyBrush();
    void applyClip();
    bool inkless() const { return m_dc.rop2 == R2_NOP; }
    bool strokeAndFill(const QPainterPath &path, bool fill);

    // Records.
    bool createObject(const Object &object);
    bool selectObject(int index);
    bool deleteObject(int index);
    bool createPen();
    bool createBrush();
    bool createFont();
    bool createPatternBrush();
    bool polygon(bool closed);
    bool polyPolygon();
    bool rectangle();
    bool roundRect();
    bool ellipse();
    bool arcFamily(quint16 function);
    bool lineTo();
    bool textOut();
    bool extTextOut();
    bool drawText(QPointF reference, const QByteArray &bytes, const QVector<qint16> &dx,
                  quint16 options, const QRectF &box);
    void drawSpaced(TextFont &textFace, const QString &text, const QVector<double> &advances,
                    QPointF at);
    static bool syntheticBold(const QFont &font, const QRawFont &raw);
    void drawEmboldened(QFont font, const QVector<quint32> &glyphs,
                        const QVector<QPointF> &positions, double pixelSize);
    bool bitmap(quint16 function);
    bool patBlt();
    bool setPixel();
    bool clipRect(bool intersect);
    bool restoreDc();

    const Metafile &m_mf;
    QPainter &m_p;
    QRectF m_target;
    QRectF m_bounds;
    QRegion m_baseClip;
    double m_limit = 0;

    // logical -> target: x' = m_ax * x + m_cx, y' = m_ay * y + m_cy
    double m_ax = 1, m_ay = 1, m_cx = 0, m_cy = 0;

    DcState m_dc;
    std::vector<DcState> m_saved;
    std::vector<Object> m_objects;
    std::set<int> m_freeSlots;
    QSet<QString> m_faces;
    QHash<QString, TextFont> m_fonts;
    qint64 m_work = 0;
    bool m_clipDirty = true;

    RenderResult m_result;
};

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
    } else if (const double upi = unitsPerInchOf(mode); upi > 0) {
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

bool Player::createPatternBrush()
{
    Object o;
    o.kind = Object::Brush;
    if (count() >= 2) {
        QString why;
        o.brush.pattern =
            decodeDib(paramBytes(*m_params, 2), u(1), &why, nullptr, MaxPatternPixels);
        if (o.brush.pattern.isNull())
            problem(QStringLiteral("pattern brush: %1").arg(why));
    }
    if (o.brush.pattern.isNull()) {
        o.brush.style = BS_SOLID;
        o.brush.color = Qt::gray;
    }
    createObject(o);
    return !o.brush.pattern.isNull();
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

bool Player::textOut()
{
    if (count() < 1)
        return false;
    const qint64 length = u(0);
    const qint64 stringWords = (length + 1) / 2;
    if (1 + stringWords + 2 > count()) {
        problem(QStringLiteral("text longer than the record"));
        return false;
    }
    const QByteArray bytes = paramBytes(*m_params, 1).left(static_cast<int>(length));
    const int at = static_cast<int>(1 + stringWords);
    return drawText(QPointF(s(at + 1), s(at)), bytes, {}, 0, QRectF());
}

bool Player::extTextOut()
{
    if (count() < 4)
        return false;
    const QPointF reference(s(1), s(0));
    const qint64 length = u(2);
    const quint16 options = u(3);
    int at = 4;
    QRectF box;
    if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        if (count() < at + 4) {
            problem(QStringLiteral("text rectangle missing"));
            return false;
        }
        box = mapRect(s(at), s(at + 1), s(at + 2), s(at + 3));
        at += 4;
    }
    const qint64 stringWords = (length + 1) / 2;
    if (at + stringWords > count()) {
        problem(QStringLiteral("text longer than the record"));
        return false;
    }
    const QByteArray bytes = paramBytes(*m_params, at).left(static_cast<int>(length));
    at += static_cast<int>(stringWords);
    if (options & ETO_GLYPH_INDEX) {
        problem(QStringLiteral("text given as glyph numbers not drawn"));
        return false;
    }
    // With ETO_PDY each character has an x and a y advance; only x is used.
    const qint64 step = (options & ETO_PDY) ? 2 : 1;
    QVector<qint16> dx;
    if (length > 0 && at + length * step <= count()) {
        dx.reserve(static_cast<int>(length));
        for (qint64 i = 0; i < length; ++i)
            dx.append(s(static_cast<int>(at + i * step)));
    } else if (at < count() && length > 0) {
        problem(QStringLiteral("character spacing shorter than the text"));
    }
    return drawText(reference, bytes, dx, options, box);
}

TextFont &Player::textFont(const QString &face, double maxPx)
{
    const FontDef &f = m_dc.font;
    QPaintDevice *device = m_p.device();
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                            .arg(face)
                            .arg(f.height)
                            .arg(f.width)
                            .arg(f.weight)
                            .arg(int(f.italic) | int(f.underline) << 1 | int(f.strikeOut) << 2)
                            .arg(m_ax)
                            .arg(m_ay)
                            .arg(dpi);
    const auto cached = m_fonts.find(key);
    if (cached != m_fonts.end())
        return *cached;
    if (m_fonts.size() >= MaxCachedFonts)
        m_fonts.clear();
    m_work += FontBuildCost;

    // Character height: negative is the em size, positive the cell height, zero a default of
    // twelve points.
    const double scaleY = std::abs(m_ay);
    QFont font(face);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setStyleStrategy(QFont::PreferOutline);
    double em;
    if (f.height < 0) {
        em = -f.height * scaleY;
    } else if (f.height > 0) {
        font.setPixelSize(100);
        const QFontMetricsF probe(font);
        const double cell = probe.ascent() + probe.descent();
        em = f.height * scaleY * (cell > 0 ? 100 / cell : 1);
    } else {
        em = std::abs(m_mf.header.unitsPerInch / 6.0 * m_target.height() / m_bounds.height());
    }
    em = std::min(em, maxPx);
    TextFont made;
    made.em = em;
    if (em < 0.5)
        return *m_fonts.insert(key, made);
    // A fractional size, so that text keeps its width at every scale: point size through the
    // resolution of the device being painted.
    font.setPointSizeF(em * 72.0 / dpi);
    if (f.width > 0) {
        const double natural = QFontMetricsF(font, device).averageCharWidth();
        const double wanted = f.width * std::abs(m_ax);
        if (natural > 0)
            font.setStretch(std::clamp(qRound(100 * wanted / natural), 1, 4000));
    }

    made.font = font;
    made.metrics = QFontMetricsF(font, device);
    return *m_fonts.insert(key, made);
}

bool Player::drawText(QPointF reference, const QByteArray &bytes, const QVector<qint16> &dx,
                      quint16 options, const QRectF &box)
{
    applyClip();
    const FontDef &f = m_dc.font;
    const bool updateCp = m_dc.textAlign & TA_UPDATECP;
    const QPointF origin = map(updateCp ? m_dc.currentPosition.x() : reference.x(),
                               updateCp ? m_dc.currentPosition.y() : reference.y());

    if ((options & ETO_OPAQUE) && !box.isEmpty() && !inkless())
        m_p.fillRect(box, m_dc.bkColor);

    const double maxPx = 4 * std::max(m_target.width(), m_target.height()) + 16;
    QString face = f.face.isEmpty() ? QStringLiteral("Arial") : f.face;
    if (!m_faces.contains(face)) {
        if (m_faces.size() < MaxFaces) {
            m_faces.insert(face);
        } else {
            problem(QStringLiteral("too many fonts; the rest drawn in the default face"));
            face = QStringLiteral("Arial");
        }
    }
    TextFont &textFace = textFont(face, maxPx);
    if (textFace.em < 0.5)
        return true; // too small to see
    QFont font = textFace.font;
    const QFontMetricsF &fm = textFace.metrics;

    QString text = decodeText(bytes, f.charset);
    if (text.size() > MaxTextLength) {
        problem(QStringLiteral("text cut to %1 characters").arg(MaxTextLength));
        text.truncate(MaxTextLength);
    }
    // Advances in output units, one per character; dx entries are per byte.
    QVector<double> advances;
    const bool useDx = !dx.isEmpty() && text.size() == bytes.size() && dx.size() >= text.size();
    const double extra = m_dc.charExtra * std::abs(m_ax);
    double width = 0;
    if (useDx) {
        advances.reserve(text.size());
        for (int i = 0; i < text.size(); ++i) {
            advances.append(std::min(std::abs(dx[i] * m_ax), maxPx));
            width += advances.last();
        }
    } else {
        width = fm.horizontalAdvance(text) + extra * text.size();
    }

    double x0 = 0;
    switch (m_dc.textAlign & TA_HORIZONTAL_MASK) {
    case TA_RIGHT:
        x0 = -width;
        break;
    case TA_CENTER:
        x0 = -width / 2;
        break;
    default:
        break;
    }
    double baseline = fm.ascent();
    switch (m_dc.textAlign & TA_VERTICAL_MASK) {
    case TA_BASELINE:
        baseline = 0;
        break;
    case TA_BOTTOM:
        baseline = -fm.descent();
        break;
    default:
        break;
    }
    const double angle = f.escapement / 10.0;
    if (!afford(QRectF(origin.x() + x0, origin.y() + baseline - fm.ascent(), width,
                       fm.ascent() + fm.descent()),
                0, TextCost + CharCost * text.size()))
        return false;

    m_p.save();
    if ((options & ETO_CLIPPED) && !box.isEmpty())
        m_p.setClipRect(box, Qt::IntersectClip);
    m_p.translate(origin);
    if (angle != 0)
        m_p.rotate(-angle);
    if (m_dc.bkMode == OPAQUE && !inkless())
        m_p.fillRect(QRectF(x0, baseline - fm.ascent(), width, fm.ascent() + fm.descent()),
                     m_dc.bkColor);
    m_p.setFont(font);
    m_p.setPen(m_dc.textColor);
    if (!inkless()) {
        if (useDx) {
            drawSpaced(textFace, text, advances, QPointF(x0, baseline));
        } else {
            if (extra != 0)
                font.setLetterSpacing(QFont::AbsoluteSpacing, extra);
            m_p.setFont(font);
            m_p.drawText(QPointF(x0, baseline), text);
        }
    }
    m_p.restore();

    if (updateCp) {
        // The current position moves past the text (left alignment) or to its start (right).
        double move = 0;
        const quint16 h = m_dc.textAlign & TA_HORIZONTAL_MASK;
        if (h == TA_LEFT)
            move = width;
        else if (h == TA_RIGHT)
            move = -width;
        const double rad = qDegreesToRadians(angle);
        const QPointF end = origin + QPointF(move * std::cos(rad), -move * std::sin(rad));
        m_dc.currentPosition = unmap(end);
    }
    return true;
}

// Whether bold was asked of a regular face, which the font engine emboldens only for some sizes
// and devices (not when glyphs are drawn large, as on a printed page). Decorated text is left to
// the engine, which draws the lines.
bool Player::syntheticBold(const QFont &font, const QRawFont &raw)
{
    if (font.weight() < QFont::DemiBold || font.underline() || font.strikeOut())
        return false;
    const QByteArray os2 = raw.fontTable("OS/2");
    const int faceWeight = os2.size() >= 6 ? (quint8(os2[4]) << 8) | quint8(os2[5]) : 400;
    return faceWeight < QFont::DemiBold;
}

// The regular outlines filled and widened by a 24th of the em, as the font engine emboldens.
void Player::drawEmboldened(QFont font, const QVector<quint32> &glyphs,
                            const QVector<QPointF> &positions, double pixelSize)
{
    font.setWeight(QFont::Normal); // outlines the engine has not emboldened already
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(pixelSize);
    QPainterPath outline;
    for (int i = 0; i < glyphs.size(); ++i)
        outline.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i]));
    QPen pen(m_p.pen().color(), pixelSize / 24);
    pen.setJoinStyle(Qt::RoundJoin);
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing);
    m_p.setPen(pen);
    m_p.setBrush(pen.color());
    m_p.drawPath(outline);
    m_p.restore();
}

// Text with its own character advances: one glyph run when the font has every character, else
// character by character so that font fallback still finds the missing ones.
void Player::drawSpaced(TextFont &textFace, const QString &text, const QVector<double> &advances,
                        QPointF at)
{
    if (!textFace.rawMade) {
        textFace.raw = QRawFont::fromFont(textFace.font);
        if (textFace.raw.isValid())
            textFace.raw.setPixelSize(textFace.em);
        textFace.rawMade = true;
    }
    const QRawFont &raw = textFace.raw;
    const QFont &font = textFace.font;
    bool whole = raw.isValid();
    for (int i = 0; whole && i < text.size(); ++i)
        whole = text.at(i).isSpace() || raw.supportsCharacter(text.at(i));
    if (whole) {
        const QVector<quint32> glyphs = raw.glyphIndexesForString(text);
        if (glyphs.size() == text.size()) {
            QVector<QPointF> positions;
            positions.reserve(glyphs.size());
            double x = at.x();
            for (int i = 0; i < glyphs.size(); ++i) {
                positions.append(QPointF(x, at.y()));
                x += advances[i];
            }
            if (syntheticBold(font, raw)) {
                if (afford(QRectF(), 0, OutlineCharCost * glyphs.size()))
                    drawEmboldened(font, glyphs, positions, textFace.em);
                return;
            }
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            run.setUnderline(font.underline());
            run.setStrikeOut(font.strikeOut());
            m_p.drawGlyphRun(QPointF(0, 0), run);
            return;
        }
    }
    double x = at.x();
    for (int i = 0; i < text.size(); ++i) {
        m_p.drawText(QPointF(x, at.y()), QString(text.at(i)));
        x += advances[i];
    }
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

    QString why;
    bool topDown = false;
    const QImage image = decodeDib(paramBytes(*m_params, fixed), usage, &why, &topDown);
    if (image.isNull()) {
        problem(QStringLiteral("bitmap not drawn: %1").arg(why));
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

} // namespace

namespace wmf
{

RenderResult render(const Metafile &metafile, QPainter &painter, const QRectF &target)
{
    Player player(metafile, painter, target);
    return player.run();
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
