// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The metafile player: the state of one drawing and the records that change it. Shared by the
// files of the renderer (metafilerenderer.cpp: mapping, budget, clipping and the record loop;
// metafileshapes.cpp: pens, brushes, objects and shapes; metafiletext.cpp; metafilebitmap.cpp).
// Not part of the library's interface.

#include "metafile/metafilerenderer.h"
#include "metafile/wmfrecords.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegion>
#include <QSet>

#include <set>
#include <vector>

namespace wmf::player
{

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

inline QColor colorRef(quint16 low, quint16 high)
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

} // namespace wmf::player
