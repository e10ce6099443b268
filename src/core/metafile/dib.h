// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Device-independent bitmaps as metafile bitmap records carry them: a BITMAPINFOHEADER (or the
// older 12-byte core header), an optional colour table and the pixel rows, packed together.
namespace wmf
{

// The largest bitmap drawn, per side and in total.
constexpr qint64 MaxBitmapSide = 16384;
constexpr qint64 MaxBitmapPixels = 16 * 1024 * 1024;

// A decoded bitmap; a failed one has a null image.
struct Dib : core::Result {
    QImage image;
    bool topDown = false; // the rows were stored top row first
};

// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit-field masks, bottom-up
// or top-down, into an opaque ARGB32 image with row 0 at the top. Fails when the bitmap is
// damaged, compressed, too large or uses palette-relative colours. maxPixels lowers the cap on
// the total number of pixels.
Dib decodeDib(const QByteArray &dib, quint16 colorUsage, qint64 maxPixels = MaxBitmapPixels);

// The bytes of a record's parameters from word index `from` on, in file order.
QByteArray paramBytes(const QVector<quint16> &params, int from);

} // namespace wmf
