// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <gif_lib.h>

#include <QByteArray>
#include <QFile>

#include <vector>

bool writeGif(const QImage &image, const QString &fileName, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels), indices(pixels);
    for (int y = 0; y < height; ++y) {
        const uchar *line = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            red[i] = line[3 * x];
            green[i] = line[3 * x + 1];
            blue[i] = line[3 * x + 2];
        }
    }

    int colours = 256;
    std::vector<GifColorType> palette(256);
    if (GifQuantizeBuffer(width, height, &colours, red.data(), green.data(), blue.data(),
                          indices.data(), palette.data()) == GIF_ERROR) {
        *error = QStringLiteral("could not reduce the picture to 256 colours");
        return false;
    }

    int status = 0;
    const QByteArray name = QFile::encodeName(fileName);
    GifFileType *gif = EGifOpenFileName(name.constData(), false, &status);
    if (!gif) {
        *error = QString::fromLatin1(GifErrorString(status));
        return false;
    }
    ColorMapObject *map = GifMakeMapObject(256, palette.data());
    bool ok = map && EGifPutScreenDesc(gif, width, height, 8, 0, map) != GIF_ERROR &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, indices.data() + static_cast<size_t>(y) * width, width) != GIF_ERROR;
    if (!ok)
        *error = QString::fromLatin1(GifErrorString(gif->Error));
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &status) == GIF_ERROR && ok) {
        *error = QString::fromLatin1(GifErrorString(status));
        ok = false;
    }
    return ok;
}
