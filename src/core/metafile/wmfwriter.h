// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>

#include "metafile/wmfrecords.h"

namespace wmf
{

// Logical description of a font as stored in a metafile font object.
struct LogFont {
    QString faceName; // design family written into the file, at most 31 characters
    int height = 0;   // negative: character (em) height; positive: cell height; logical units
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    quint8 charSet = ANSI_CHARSET;
    quint8 pitchAndFamily = 0; // low bits pitch, high bits family
};

// Builds a placeable Windows metafile in memory.
//
// Every drawing call appends one record; coordinates are logical units of the picture, whose
// frame is `bounds` and of which `unitsPerInch` make an inch (1440 for twips). Objects (pens,
// brushes, fonts) occupy the lowest free slot of the object table when created, as players
// expect; the slot number is what selectObject and deleteObject take.
//
// Any value that the file cannot carry (a coordinate outside 16 bits, a dx count that does not
// match the text, an unknown slot, an empty image) is not written: the writer stops recording,
// remembers the first such error, and finish() returns an empty array.
class Writer
{
public:
    explicit Writer(const QRect &bounds, int unitsPerInch = 1440);

    // Mapping: anisotropic, window origin and extent.
    void setMapMode(quint16 mode);
    void setWindowOrg(const QPoint &origin);
    void setWindowExt(const QSize &extent);
    // Sets the anisotropic mode with a window equal to the bounds.
    void mapToBounds();

    void setBkMode(quint16 mode);
    void setTextColor(const QColor &color);
    void setBkColor(const QColor &color);
    void setTextAlign(quint16 align);
    void setPolyFillMode(quint16 mode);
    void setStretchBltMode(quint16 mode);

    // Return the slot taken, or -1 after an error.
    int createPen(quint16 style, int width, const QColor &color);
    int createBrush(quint16 style, const QColor &color, quint16 hatch = 0);
    int createFont(const LogFont &font);
    void selectObject(int slot);
    void deleteObject(int slot);

    void rectangle(const QRect &rect);
    void polygon(const QPolygon &points);
    void polyline(const QPolygon &points);
    // Single-byte text drawn at `origin` under the current text alignment; dx holds one advance
    // per byte (the distance to the next character's origin) or is empty.
    void extTextOut(const QPoint &origin, const QByteArray &text, const QVector<qint16> &dx,
                    quint16 options = 0, const QRect &clip = QRect());
    // The image as a 24-bit bottom-up device-independent bitmap stretched onto `dest`.
    void stretchDib(const QRect &dest, const QImage &image, quint32 rasterOp = SRCCOPY);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    // Number of slots the player must provide: one more than the highest slot ever used.
    int objectTableSize() const { return m_tableSize; }

    // Ends the metafile and returns its bytes (placeable header, header, records, end record);
    // empty after an error. The writer is spent afterwards.
    QByteArray finish();

private:
    void record(quint16 function, const QVector<quint16> &params);
    void record(quint16 function, const QByteArray &params);
    bool fits(int value, const char *what);
    bool fits(const QPoint &p, const char *what);
    bool fits(const QRect &r, const char *what);
    int takeSlot();
    void fail(const QString &message);

    QRect m_bounds;
    int m_unitsPerInch;
    QByteArray m_records;
    quint32 m_maxRecordWords = 0;
    QVector<bool> m_slots;
    int m_tableSize = 0;
    QString m_error;
    bool m_finished = false;
};

// Bytes of a 24-bit bottom-up DIB (header and pixels) for an image; the form STRETCHDIB carries.
QByteArray dib24(const QImage &image);

} // namespace wmf
