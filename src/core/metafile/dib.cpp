// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/dib.h"

#include <QVector>

#include <algorithm>

#include "metafile/wmfrecords.h"

namespace
{

quint32 le32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint16 le16(const uchar *p)
{
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

// Extracts the field under mask and scales it to 0..255.
int maskedChannel(quint32 value, quint32 mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const quint32 field = mask >> shift;
    const quint32 v = (value & mask) >> shift;
    return static_cast<int>((quint64(v) * 255 + field / 2) / field);
}

wmf::Dib failed(const QString &why)
{
    wmf::Dib dib;
    dib.error = why;
    return dib;
}

} // namespace

namespace wmf
{

QByteArray paramBytes(const QVector<quint16> &params, int from)
{
    QByteArray out;
    if (from < 0 || from >= params.size())
        return out;
    out.resize(qsizetype(params.size() - from) * 2);
    char *d = out.data();
    for (int i = from; i < params.size(); ++i) {
        *d++ = static_cast<char>(params[i] & 0xFF);
        *d++ = static_cast<char>(params[i] >> 8);
    }
    return out;
}

Dib decodeDib(const QByteArray &dib, quint16 colorUsage, qint64 maxPixels)
{
    const auto *data = reinterpret_cast<const uchar *>(dib.constData());
    const qint64 size = dib.size();
    if (size < 4) {
        return failed(QStringLiteral("bitmap header cut short"));
    }
    const qint64 headerSize = le32(data);
    qint64 width = 0, height = 0;
    int bpp = 0;
    quint32 compression = BI_RGB;
    qint64 colorsUsed = 0;
    bool core = false;
    if (headerSize == 12) {
        if (size < 12) {
            return failed(QStringLiteral("bitmap header cut short"));
        }
        core = true;
        width = le16(data + 4);
        height = le16(data + 6);
        bpp = le16(data + 10);
    } else if (headerSize >= 40 && headerSize <= size) {
        width = static_cast<qint32>(le32(data + 4));
        height = static_cast<qint32>(le32(data + 8));
        bpp = le16(data + 14);
        compression = le32(data + 16);
        colorsUsed = le32(data + 32);
    } else {
        return failed(QStringLiteral("bitmap header of unknown size"));
    }

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0) {
        return failed(QStringLiteral("bitmap with no pixels"));
    }
    if (width > MaxBitmapSide || height > MaxBitmapSide ||
        width * height > std::min(maxPixels, MaxBitmapPixels)) {
        return failed(QStringLiteral("bitmap too large"));
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        return failed(QStringLiteral("bitmap of %1 bits per pixel").arg(bpp));
    }
    if (compression == BI_RLE4 || compression == BI_RLE8) {
        return failed(QStringLiteral("compressed bitmap"));
    }
    const bool bitfields = compression == BI_BITFIELDS && (bpp == 16 || bpp == 32);
    if (compression != BI_RGB && !bitfields) {
        return failed(QStringLiteral("bitmap compression %1").arg(compression));
    }

    qint64 pos = headerSize;
    quint32 masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bpp == 32)
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    if (bitfields) {
        // Masks follow a 40-byte header; larger headers carry them inside.
        const qint64 at = headerSize == 40 ? pos : 40;
        if (at + 12 > size) {
            return failed(QStringLiteral("bitmap masks cut short"));
        }
        for (int i = 0; i < 3; ++i)
            masks[i] = le32(data + at + 4 * i);
        if (headerSize == 40)
            pos += 12;
    }

    QVector<QRgb> table;
    if (bpp <= 8) {
        if (colorUsage != DIB_RGB_COLORS) {
            return failed(QStringLiteral("bitmap with palette-relative colours"));
        }
        const qint64 entries = colorsUsed != 0 ? colorsUsed : (qint64(1) << bpp);
        const qint64 entrySize = core ? 3 : 4;
        if (entries > 65536 || pos + entries * entrySize > size) {
            return failed(QStringLiteral("bitmap colour table cut short"));
        }
        const qint64 kept = std::min<qint64>(entries, 256);
        table.resize(static_cast<int>(kept));
        for (qint64 i = 0; i < kept; ++i) {
            const uchar *e = data + pos + i * entrySize;
            table[static_cast<int>(i)] = qRgb(e[2], e[1], e[0]);
        }
        pos += entries * entrySize;
    }

    const qint64 stride = ((width * bpp + 31) / 32) * 4;
    if (pos > size || stride * height > size - pos) {
        return failed(QStringLiteral("bitmap pixels cut short"));
    }

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) {
        return failed(QStringLiteral("bitmap too large"));
    }
    const QRgb black = qRgb(0, 0, 0);
    auto indexed = [&](int i) { return i < table.size() ? table[i] : black; };
    for (qint64 row = 0; row < height; ++row) {
        const uchar *src = data + pos + row * stride;
        auto *dst = reinterpret_cast<QRgb *>(
            image.scanLine(static_cast<int>(topDown ? row : height - 1 - row)));
        for (qint64 x = 0; x < width; ++x) {
            switch (bpp) {
            case 1:
                dst[x] = indexed((src[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                dst[x] = indexed((src[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
                break;
            case 8:
                dst[x] = indexed(src[x]);
                break;
            case 16: {
                const quint32 v = le16(src + 2 * x);
                dst[x] = qRgb(maskedChannel(v, masks[0]), maskedChannel(v, masks[1]),
                              maskedChannel(v, masks[2]));
                break;
            }
            case 24:
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            default: {
                const quint32 v = le32(src + 4 * x);
                dst[x] = qRgb(maskedChannel(v, masks[0]), maskedChannel(v, masks[1]),
                              maskedChannel(v, masks[2]));
                break;
            }
            }
        }
    }
    Dib decoded;
    decoded.image = image;
    decoded.topDown = topDown;
    return decoded;
}

} // namespace wmf
