// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include "metafile/metafile.h"

class QPainter;

// Plays a metafile's records onto a QPainter (screen, image or printer).
namespace wmf
{

// drawn: records that produced output or changed state; skipped: records not understood or
// refused as damaged. problems: one short line per kind of trouble, in order of first sight.
struct RenderResult {
    int drawn = 0;
    int skipped = 0;
    QStringList problems;
};

// Draws the metafile so that its bounds fill target. The painter's state is restored afterwards.
// A drawing has a work budget of about a second (records, shape pixels and edges, characters,
// fonts): a file that would take longer is drawn up to there and "drawing stopped: too much
// work" is among the problems; the records not drawn count as skipped.
RenderResult render(const Metafile &metafile, QPainter &painter, const QRectF &target);
// The whole picture drawn into a new image of the given size over the background colour.
QImage renderToImage(const Metafile &metafile, QSize size, const QColor &background = Qt::white);

} // namespace wmf
