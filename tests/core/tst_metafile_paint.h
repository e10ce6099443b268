// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drawing built metafiles for the renderer tests: pictures on a grey or white background, probed
// by colour or by the box their ink covers.

#include <QPainter>

#include <cmath>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "tst_metafile_builder.h"

namespace wmftest
{

inline const QColor Background(128, 128, 128);
inline const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Yellow(255, 255, 0);

// A 100 x 100 unit picture whose window matches its bounds.
inline Builder base(int size = 100)
{
    Builder b;
    b.placeable(QRect(0, 0, size, size), 96).window(0, 0, size, size);
    return b;
}

inline QImage paint(const QByteArray &bytes, QSize size = QSize(100, 100),
                    wmf::RenderResult *out = nullptr)
{
    const wmf::ReadResult r = wmf::read(bytes);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Background);
    QPainter painter(&image);
    const wmf::RenderResult result = wmf::render(r.metafile, painter, QRectF(QPoint(), size));
    painter.end();
    if (out)
        *out = result;
    return image;
}

inline bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

// Bounding box of the pixels clearly darker than the white background.
inline QRect inkBox(const QImage &image, int *inkCount = nullptr)
{
    QRect box;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
    if (inkCount)
        *inkCount = n;
    return box;
}

inline QImage text(const Builder &records, QSize size = QSize(200, 200))
{
    const wmf::ReadResult r = wmf::read(records.bytes());
    return wmf::renderToImage(r.metafile, size, Qt::white);
}

} // namespace wmftest
