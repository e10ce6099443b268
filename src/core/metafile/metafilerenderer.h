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
RenderResult render(const Metafile &metafile, QPainter &painter, const QRectF &target);
// The whole picture drawn into a new image of the given size over the background colour.
QImage renderToImage(const Metafile &metafile, QSize size, const QColor &background = Qt::white);

} // namespace wmf
