// libFuzzer target: reads arbitrary bytes as a metafile and draws whatever was read.
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
    if (size > 1024 * 1024)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const wmf::ReadResult read = wmf::read(bytes);
    (void)read.metafile.pixelSize(96);
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf::render(read.metafile, painter, QRectF(0, 0, 64, 64));
    return 0;
}
