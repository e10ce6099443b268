// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QVector>

class QIODevice;

// Windows metafiles: the in-memory form and the reader. The reader never trusts a count or a
// size it has not checked against the bytes really present; a damaged file reads as far as it
// can, keeps the records before the damage and says what stopped it.
namespace wmf
{

struct Header {
    bool placeable = false; // had the 22-byte placeable header
    bool checksumOk = true; // a bad checksum is accepted, only noted
    QRect bounds;           // logical units, from the placeable header (or the records)
    int unitsPerInch = 1440;
    // From the standard header, as claimed by the file (informational only).
    quint16 version = 0x0300;
    quint16 objectCount = 0;
};

// One record: the function number and its 16-bit parameter words (the record's size minus the
// three words of size and function). offset is the record's byte position in the source.
struct Record {
    quint16 function = 0;
    QVector<quint16> params;
    qint64 offset = 0;
};

class Metafile
{
public:
    Header header;
    QVector<Record> records;

    // From the header: bounds / unitsPerInch. Empty when the bounds are empty.
    QSizeF sizeInInches() const;
    // The picture's own size in device pixels at the given resolution, at least 1 x 1 when the
    // bounds are not empty, capped so that a hostile header cannot ask for a giant image.
    QSize pixelSize(double dotsPerInch = 96) const;
};

// A failed read still holds in metafile what was read before the damage.
struct ReadResult : core::Result {
    Metafile metafile;
};

ReadResult read(QIODevice *device);
ReadResult read(const QByteArray &bytes);

// The largest picture pixelSize() reports, per side.
constexpr int MaxPixelSide = 16384;

} // namespace wmf
