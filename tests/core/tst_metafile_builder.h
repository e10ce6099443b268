// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds small metafiles byte by byte for the metafile tests, independently of the program's own
// writer, so that the reader is checked against the format and not against its sibling.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QVector>

#include "metafile/wmfrecords.h"

namespace wmftest
{

using Words = QVector<quint16>;

inline quint16 w(int v)
{
    return static_cast<quint16>(v);
}

inline Words colorRef(QColor c)
{
    return {w(c.red() | (c.green() << 8)), w(c.blue())};
}

// Bytes padded to whole words, as strings are stored.
inline Words bytesToWords(const QByteArray &bytes)
{
    Words out;
    for (int i = 0; i < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[i]);
        const auto hi = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        out.append(w(lo | (hi << 8)));
    }
    return out;
}

inline void put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void put16(QByteArray &b, quint16 v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

// A packed DIB of the given pixels (row 0 at the top). Depths up to 8 use a palette built from
// the distinct colours in order of first appearance.
inline QByteArray dib(const QImage &pixels, int bpp, bool topDown)
{
    QVector<QRgb> palette;
    if (bpp <= 8) {
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                if (!palette.contains(pixels.pixel(x, y) | 0xFF000000u))
                    palette.append(pixels.pixel(x, y) | 0xFF000000u);
    }
    const int width = pixels.width(), height = pixels.height();
    QByteArray b;
    put32(b, 40);
    put32(b, static_cast<quint32>(width));
    put32(b, static_cast<quint32>(topDown ? -height : height));
    put16(b, 1);
    put16(b, w(bpp));
    put32(b, wmf::BI_RGB);
    put32(b, 0);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, static_cast<quint32>(palette.size()));
    put32(b, 0);
    for (QRgb c : palette) {
        b.append(static_cast<char>(qBlue(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qRed(c)));
        b.append('\0');
    }
    const int stride = ((width * bpp + 31) / 32) * 4;
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixels.pixel(x, y);
            const int index = palette.indexOf(c | 0xFF000000u);
            switch (bpp) {
            case 1:
                row[x / 8] = static_cast<char>(row[x / 8] | (index << (7 - x % 8)));
                break;
            case 4:
                row[x / 2] = static_cast<char>(row[x / 2] | (index << (x % 2 ? 0 : 4)));
                break;
            case 8:
                row[x] = static_cast<char>(index);
                break;
            case 24:
                row[3 * x] = static_cast<char>(qBlue(c));
                row[3 * x + 1] = static_cast<char>(qGreen(c));
                row[3 * x + 2] = static_cast<char>(qRed(c));
                break;
            case 32:
                row[4 * x] = static_cast<char>(qBlue(c));
                row[4 * x + 1] = static_cast<char>(qGreen(c));
                row[4 * x + 2] = static_cast<char>(qRed(c));
                break;
            }
        }
        b.append(row);
    }
    return b;
}

class Builder
{
public:
    // With a placeable header of the given bounds; a bad checksum on request.
    Builder &placeable(QRect bounds, int unitsPerInch = 1440, bool goodChecksum = true)
    {
        m_placeable = true;
        m_bounds = bounds;
        m_inch = unitsPerInch;
        m_goodChecksum = goodChecksum;
        return *this;
    }

    Builder &record(quint16 function, const Words &params = {})
    {
        put32(m_records, static_cast<quint32>(3 + params.size()));
        put16(m_records, function);
        for (quint16 p : params)
            put16(m_records, p);
        return *this;
    }

    // A record whose size field says `words`, whatever follows.
    Builder &rawRecord(quint32 words, quint16 function, const Words &params = {})
    {
        put32(m_records, words);
        put16(m_records, function);
        for (quint16 p : params)
            put16(m_records, p);
        return *this;
    }

    Builder &raw(const QByteArray &bytes)
    {
        m_records.append(bytes);
        return *this;
    }

    // The usual set-up: window origin and extent.
    Builder &window(int x, int y, int width, int height)
    {
        record(wmf::META_SETWINDOWORG, {w(y), w(x)});
        return record(wmf::META_SETWINDOWEXT, {w(height), w(width)});
    }

    Builder &pen(int style, int width, QColor c)
    {
        return record(wmf::META_CREATEPENINDIRECT, Words{w(style), w(width), 0} + colorRef(c));
    }

    Builder &brush(int style, QColor c, int hatch = 0)
    {
        return record(wmf::META_CREATEBRUSHINDIRECT,
                      Words{w(style)} + colorRef(c) + Words{w(hatch)});
    }

    Builder &font(int height, int escapement = 0, int charset = wmf::ANSI_CHARSET,
                  const QByteArray &face = "Arial", int weight = wmf::FW_NORMAL)
    {
        QByteArray faceField = face.left(wmf::LF_FACESIZE - 1);
        faceField.append(QByteArray(wmf::LF_FACESIZE - faceField.size(), '\0'));
        return record(
            wmf::META_CREATEFONTINDIRECT,
            Words{w(height), 0, w(escapement), w(escapement), w(weight), 0, w(charset << 8), 0, 0} +
                bytesToWords(faceField));
    }

    Builder &select(int index) { return record(wmf::META_SELECTOBJECT, {w(index)}); }
    Builder &remove(int index) { return record(wmf::META_DELETEOBJECT, {w(index)}); }

    Builder &rectangle(int left, int top, int right, int bottom)
    {
        return record(wmf::META_RECTANGLE, {w(bottom), w(right), w(top), w(left)});
    }

    // A solid, pen-less rectangle in the given colour; leaves a new brush selected.
    Builder &fill(QRect r, QColor c)
    {
        pen(wmf::PS_NULL, 0, Qt::black);
        select(m_nextGuess++);
        brush(wmf::BS_SOLID, c);
        select(m_nextGuess++);
        return rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    }

    Builder &textOut(int x, int y, const QByteArray &text)
    {
        return record(wmf::META_TEXTOUT,
                      Words{w(text.size())} + bytesToWords(text) + Words{w(y), w(x)});
    }

    Builder &extTextOut(int x, int y, const QByteArray &text, int options = 0, QRect box = {},
                        const Words &dx = {})
    {
        Words p{w(y), w(x), w(text.size()), w(options)};
        if (options & (wmf::ETO_OPAQUE | wmf::ETO_CLIPPED))
            p += Words{w(box.left()), w(box.top()), w(box.left() + box.width()),
                       w(box.top() + box.height())};
        return record(wmf::META_EXTTEXTOUT, p + bytesToWords(text) + dx);
    }

    QByteArray bytes(bool withEnd = true) const
    {
        QByteArray b;
        if (m_placeable) {
            QByteArray h;
            put32(h, wmf::PlaceableKey);
            put16(h, 0);
            put16(h, w(m_bounds.left()));
            put16(h, w(m_bounds.top()));
            put16(h, w(m_bounds.left() + m_bounds.width()));
            put16(h, w(m_bounds.top() + m_bounds.height()));
            put16(h, w(m_inch));
            put32(h, 0);
            quint16 sum = 0;
            for (int i = 0; i < 20; i += 2)
                sum ^= static_cast<quint16>(static_cast<unsigned char>(h[i]) |
                                            (static_cast<unsigned char>(h[i + 1]) << 8));
            put16(h, m_goodChecksum ? sum : static_cast<quint16>(sum ^ 0x5A5A));
            b += h;
        }
        QByteArray body = m_records;
        if (withEnd) {
            put32(body, 3);
            put16(body, wmf::META_EOF);
        }
        put16(b, 1);
        put16(b, 9);
        put16(b, 0x0300);
        put32(b, static_cast<quint32>(9 + body.size() / 2));
        put16(b, 0);
        put32(b, 0);
        put16(b, 0);
        return b + body;
    }

    // Object slots handed out by fill(), for files that create nothing else.
    Builder &startSlotsAt(int slot)
    {
        m_nextGuess = slot;
        return *this;
    }

private:
    bool m_placeable = false;
    QRect m_bounds;
    int m_inch = 1440;
    bool m_goodChecksum = true;
    QByteArray m_records;
    int m_nextGuess = 0;
};

// Files that are well formed and inside the size cap but slow to draw, cut to at most maxBytes:
// font floods (create a font of one of `sizes` sizes, select it, draw two letters, delete it)
// and polygons of 32,767 points strewn over a page, each edge crossing much of it.
inline QByteArray fontFlood(qint64 maxBytes, int sizes)
{
    Builder b;
    b.placeable(QRect(0, 0, 10485, 11955), 1440).window(0, 0, 10485, 11955);
    const qint64 group = 2 * (3 + 12) + 2 * (3 + 1) + 2 * (3 + 4) + 2 * (3 + 1);
    for (qint64 i = 0, n = (maxBytes - 200) / group; i < n; ++i) {
        b.record(wmf::META_CREATEFONTINDIRECT,
                 Words{w(-int(8 + i % sizes)), 0, 0, 0, w(wmf::FW_NORMAL), 0, 0, 0, 0} +
                     bytesToWords(QByteArray("Arial", 6)));
        b.select(0).textOut(int(i * 37 % 10000), int(i * 91 % 11000), "Aa").remove(0);
    }
    return b.bytes();
}

inline QByteArray polygonFlood(qint64 maxBytes, int Points = 32767)
{
    Builder b;
    b.placeable(QRect(0, 0, 10485, 11955), 1440).window(0, 0, 10485, 11955);
    b.brush(wmf::BS_SOLID, QColor(200, 30, 30)).select(0);
    quint32 seed = 1;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % quint32(range));
    };
    for (qint64 used = 200; used + 2 * (4 + 2 * Points) <= maxBytes; used += 2 * (4 + 2 * Points)) {
        Words p{w(Points)};
        for (int k = 0; k < Points; ++k)
            p += Words{w(next(10485)), w(next(11955))};
        b.record(wmf::META_POLYGON, p);
    }
    return b.bytes();
}

} // namespace wmftest
