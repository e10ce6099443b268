// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: reads arbitrary bytes as a metafile, through the byte and the device entry
// points as the page viewer reads a file, and draws whatever was read at the picture's own size
// (up to a page), so that a slow drawing shows as a slow unit.
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const wmf::ReadResult read = wmf::read(&file);
    const wmf::ReadResult again = wmf::read(bytes);
    if (read.ok() != again.ok() || read.metafile.records.size() != again.metafile.records.size())
        __builtin_trap(); // the two entry points disagree
    const QSize picture = read.metafile.pixelSize(96).boundedTo(QSize(800, 800));
    QImage image(picture.isEmpty() ? QSize(64, 64) : picture, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf::render(read.metafile, painter, QRectF(image.rect()));
    return 0;
}
