// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfwriter.h"

#include "metafile/wmfrecords.h"

#include <QtEndian>

namespace wmf
{

namespace
{

constexpr quint16 HeaderWords = StandardHeaderBytes / 2;
constexpr quint16 MemoryMetafile = 1;
constexpr quint16 Version300 = 0x0300;

void putWord(QByteArray &out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void putLong(QByteArray &out, quint32 value)
{
    putWord(out, static_cast<quint16>(value & 0xFFFF));
    putWord(out, static_cast<quint16>(value >> 16));
}

void putColor(QByteArray &out, const QColor &color)
{
    out.append(static_cast<char>(color.red()));
    out.append(static_cast<char>(color.green()));
    out.append(static_cast<char>(color.blue()));
    out.append('\0');
}

quint16 s16(int value)
{
    return static_cast<quint16>(static_cast<qint16>(value));
}

} // namespace

QByteArray dib24(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const int stride = (width * 3 + 3) & ~3;
    QByteArray out;
    out.reserve(40 + stride * height);
    putLong(out, 40); // header size
    putLong(out, static_cast<quint32>(width));
    putLong(out, static_cast<quint32>(height)); // positive: bottom row first
    putWord(out, 1);                            // planes
    putWord(out, 24);                           // bits per pixel
    putLong(out, 0);                            // no compression
    putLong(out, static_cast<quint32>(stride * height));
    putLong(out, 0); // pixels per metre, x and y: unspecified
    putLong(out, 0);
    putLong(out, 0); // colours used and important: none, no palette
    putLong(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uchar *line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(line[3 * x + 2])); // blue, green, red
            out.append(static_cast<char>(line[3 * x + 1]));
            out.append(static_cast<char>(line[3 * x]));
        }
        for (int pad = width * 3; pad < stride; ++pad)
            out.append('\0');
    }
    return out;
}

Writer::Writer(const QRect &bounds, int unitsPerInch)
    : m_bounds(bounds), m_unitsPerInch(unitsPerInch)
{
    if (bounds.isEmpty())
        fail(QStringLiteral("the picture frame is empty"));
    else if (unitsPerInch <= 0 || unitsPerInch > 0xFFFF)
        fail(QStringLiteral("units per inch out of range: %1").arg(unitsPerInch));
    else
        fits(bounds, "picture frame");
}

void Writer::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
}

bool Writer::fits(int value, const char *what)
{
    if (value >= -32768 && value <= 32767)
        return true;
    fail(QStringLiteral("%1 does not fit in 16 bits: %2").arg(QLatin1String(what)).arg(value));
    return false;
}

bool Writer::fits(const QPoint &p, const char *what)
{
    return fits(p.x(), what) && fits(p.y(), what);
}

bool Writer::fits(const QRect &r, const char *what)
{
    // Right and bottom as a player reads them: exclusive edges.
    return fits(r.left(), what) && fits(r.top(), what) && fits(r.left() + r.width(), what) &&
           fits(r.top() + r.height(), what);
}

void Writer::record(quint16 function, const QVector<quint16> &params)
{
    QByteArray bytes;
    bytes.reserve(params.size() * 2);
    for (quint16 p : params)
        putWord(bytes, p);
    record(function, bytes);
}

void Writer::record(quint16 function, const QByteArray &params)
{
    if (!ok() || m_finished)
        return;
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    const quint32 words = 3 + static_cast<quint32>(padded.size() / 2);
    putLong(m_records, words);
    putWord(m_records, function);
    m_records.append(padded);
    m_maxRecordWords = qMax(m_maxRecordWords, words);
}

void Writer::setMapMode(quint16 mode)
{
    record(META_SETMAPMODE, QVector<quint16>{mode});
}

void Writer::setWindowOrg(const QPoint &origin)
{
    if (fits(origin, "window origin"))
        record(META_SETWINDOWORG, QVector<quint16>{s16(origin.y()), s16(origin.x())});
}

void Writer::setWindowExt(const QSize &extent)
{
    if (fits(extent.width(), "window extent") && fits(extent.height(), "window extent"))
        record(META_SETWINDOWEXT, QVector<quint16>{s16(extent.height()), s16(extent.width())});
}

void Writer::mapToBounds()
{
    setMapMode(MM_ANISOTROPIC);
    setWindowOrg(m_bounds.topLeft());
    setWindowExt(m_bounds.size());
}

void Writer::setBkMode(quint16 mode)
{
    record(META_SETBKMODE, QVector<quint16>{mode});
}

void Writer::setTextColor(const QColor &color)
{
    QByteArray p;
    putColor(p, color);
    record(META_SETTEXTCOLOR, p);
}

void Writer::setBkColor(const QColor &color)
{
    QByteArray p;
    putColor(p, color);
    record(META_SETBKCOLOR, p);
}

void Writer::setTextAlign(quint16 align)
{
    record(META_SETTEXTALIGN, QVector<quint16>{align});
}

void Writer::setPolyFillMode(quint16 mode)
{
    record(META_SETPOLYFILLMODE, QVector<quint16>{mode});
}

void Writer::setStretchBltMode(quint16 mode)
{
    record(META_SETSTRETCHBLTMODE, QVector<quint16>{mode});
}

int Writer::takeSlot()
{
    int slot = m_slots.indexOf(false);
    if (slot < 0) {
        if (m_slots.size() >= 0xFFFF) {
            fail(QStringLiteral("object table full"));
            return -1;
        }
        slot = m_slots.size();
        m_slots.append(false);
    }
    m_slots[slot] = true;
    m_tableSize = qMax(m_tableSize, slot + 1);
    return slot;
}

int Writer::createPen(quint16 style, int width, const QColor &color)
{
    if (!ok() || !fits(width, "pen width"))
        return -1;
    QByteArray p;
    putWord(p, style);
    putWord(p, s16(width)); // width as a point: x is the width, y unused
    putWord(p, 0);
    putColor(p, color);
    record(META_CREATEPENINDIRECT, p);
    return takeSlot();
}

int Writer::createBrush(quint16 style, const QColor &color, quint16 hatch)
{
    if (!ok())
        return -1;
    QByteArray p;
    putWord(p, style);
    putColor(p, color);
    putWord(p, hatch);
    record(META_CREATEBRUSHINDIRECT, p);
    return takeSlot();
}

int Writer::createFont(const LogFont &font)
{
    if (!ok() || !fits(font.height, "font height"))
        return -1;
    QByteArray face = font.faceName.toLatin1().left(LF_FACESIZE - 1);
    if (face.contains('\0') || face.isEmpty()) {
        fail(QStringLiteral("unusable font face name: \"%1\"").arg(font.faceName));
        return -1;
    }
    QByteArray p;
    putWord(p, s16(font.height));
    putWord(p, 0); // width: from the height
    putWord(p, 0); // escapement
    putWord(p, 0); // orientation
    putWord(p, s16(font.weight));
    p.append(font.italic ? '\1' : '\0');
    p.append(font.underline ? '\1' : '\0');
    p.append('\0'); // strike-out
    p.append(static_cast<char>(font.charSet));
    p.append('\0'); // output precision: default
    p.append('\0'); // clip precision: default
    p.append('\4'); // quality: antialiased
    p.append(static_cast<char>(font.pitchAndFamily));
    face.append(QByteArray(LF_FACESIZE - face.size(), '\0'));
    p.append(face);
    record(META_CREATEFONTINDIRECT, p);
    return takeSlot();
}

void Writer::selectObject(int slot)
{
    if (slot < 0 || slot >= m_slots.size() || !m_slots[slot]) {
        fail(QStringLiteral("select of an empty object slot %1").arg(slot));
        return;
    }
    record(META_SELECTOBJECT, QVector<quint16>{static_cast<quint16>(slot)});
}

void Writer::deleteObject(int slot)
{
    if (slot < 0 || slot >= m_slots.size() || !m_slots[slot]) {
        fail(QStringLiteral("delete of an empty object slot %1").arg(slot));
        return;
    }
    record(META_DELETEOBJECT, QVector<quint16>{static_cast<quint16>(slot)});
    if (ok())
        m_slots[slot] = false;
}

void Writer::rectangle(const QRect &rect)
{
    if (!fits(rect, "rectangle"))
        return;
    record(META_RECTANGLE,
           QVector<quint16>{s16(rect.top() + rect.height()), s16(rect.left() + rect.width()),
                            s16(rect.top()), s16(rect.left())});
}

void Writer::polygon(const QPolygon &points)
{
    if (points.size() < 2 || points.size() > 0x7FFF) {
        fail(QStringLiteral("polygon with %1 points").arg(points.size()));
        return;
    }
    QVector<quint16> p{static_cast<quint16>(points.size())};
    for (const QPoint &pt : points) {
        if (!fits(pt, "polygon point"))
            return;
        p << s16(pt.x()) << s16(pt.y());
    }
    record(META_POLYGON, p);
}

void Writer::polyline(const QPolygon &points)
{
    if (points.size() < 2 || points.size() > 0x7FFF) {
        fail(QStringLiteral("polyline with %1 points").arg(points.size()));
        return;
    }
    QVector<quint16> p{static_cast<quint16>(points.size())};
    for (const QPoint &pt : points) {
        if (!fits(pt, "polyline point"))
            return;
        p << s16(pt.x()) << s16(pt.y());
    }
    record(META_POLYLINE, p);
}

void Writer::extTextOut(const QPoint &origin, const QByteArray &text, const QVector<qint16> &dx,
                        quint16 options, const QRect &clip)
{
    if (!fits(origin, "text origin"))
        return;
    if (text.isEmpty() || text.size() > 0x7FFF) {
        fail(QStringLiteral("text of %1 bytes").arg(text.size()));
        return;
    }
    if (!dx.isEmpty() && dx.size() != text.size()) {
        fail(QStringLiteral("%1 advances for %2 characters").arg(dx.size()).arg(text.size()));
        return;
    }
    const bool withRect = options & (ETO_OPAQUE | ETO_CLIPPED);
    if (withRect && !fits(clip, "text rectangle"))
        return;
    QByteArray p;
    putWord(p, s16(origin.y()));
    putWord(p, s16(origin.x()));
    putWord(p, static_cast<quint16>(text.size()));
    putWord(p, options);
    if (withRect) {
        putWord(p, s16(clip.left()));
        putWord(p, s16(clip.top()));
        putWord(p, s16(clip.left() + clip.width()));
        putWord(p, s16(clip.top() + clip.height()));
    }
    p.append(text);
    if (p.size() % 2)
        p.append('\0');
    for (qint16 d : dx)
        putWord(p, static_cast<quint16>(d));
    record(META_EXTTEXTOUT, p);
}

void Writer::stretchDib(const QRect &dest, const QImage &image, quint32 rasterOp)
{
    if (image.isNull()) {
        fail(QStringLiteral("empty picture"));
        return;
    }
    if (!fits(dest, "picture frame") || !fits(image.width(), "picture width") ||
        !fits(image.height(), "picture height"))
        return;
    QByteArray p;
    putLong(p, rasterOp);
    putWord(p, 0); // colour table holds RGB values
    putWord(p, s16(image.height()));
    putWord(p, s16(image.width()));
    putWord(p, 0); // source y, x
    putWord(p, 0);
    putWord(p, s16(dest.height()));
    putWord(p, s16(dest.width()));
    putWord(p, s16(dest.top()));
    putWord(p, s16(dest.left()));
    p.append(dib24(image));
    record(META_STRETCHDIB, p);
}

QByteArray Writer::finish()
{
    if (m_finished || !ok())
        return {};
    record(META_EOF, QVector<quint16>{});
    m_finished = true;

    QByteArray out;
    out.reserve(PlaceableHeaderBytes + HeaderWords * 2 + m_records.size());
    putLong(out, PlaceableKey);
    putWord(out, 0); // handle, always zero in a file
    putWord(out, s16(m_bounds.left()));
    putWord(out, s16(m_bounds.top()));
    putWord(out, s16(m_bounds.left() + m_bounds.width()));
    putWord(out, s16(m_bounds.top() + m_bounds.height()));
    putWord(out, static_cast<quint16>(m_unitsPerInch));
    putLong(out, 0); // reserved
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(out.constData() + 2 * i);
    putWord(out, checksum);

    const quint32 totalWords = HeaderWords + static_cast<quint32>(m_records.size() / 2);
    putWord(out, MemoryMetafile);
    putWord(out, HeaderWords);
    putWord(out, Version300);
    putLong(out, totalWords);
    putWord(out, static_cast<quint16>(m_tableSize));
    putLong(out, m_maxRecordWords);
    putWord(out, 0); // no parameters
    out.append(m_records);
    m_records.clear();
    return out;
}

} // namespace wmf
