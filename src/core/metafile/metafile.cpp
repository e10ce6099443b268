// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/metafile.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <cmath>

#include "metafile/wmfrecords.h"

namespace
{

// Page pictures are a few hundred kilobytes; anything past this is refused rather than read.
constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

quint16 u16(const uchar *p)
{
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

qint16 s16(const uchar *p)
{
    return static_cast<qint16>(u16(p));
}

quint32 u32(const uchar *p)
{
    return static_cast<quint32>(u16(p)) | (static_cast<quint32>(u16(p + 2)) << 16);
}

// Without a placeable header the picture's frame is the first window the records set up; a fixed
// map mode also fixes the unit.
void boundsFromRecords(wmf::Metafile &mf)
{
    bool haveOrg = false, haveExt = false, haveMode = false;
    QPoint org;
    QSize ext;
    for (const wmf::Record &r : std::as_const(mf.records)) {
        const auto &p = r.params;
        if (r.function == wmf::META_SETWINDOWORG && p.size() >= 2 && !haveOrg) {
            org = QPoint(static_cast<qint16>(p[1]), static_cast<qint16>(p[0]));
            haveOrg = true;
        } else if (r.function == wmf::META_SETWINDOWEXT && p.size() >= 2 && !haveExt) {
            ext = QSize(static_cast<qint16>(p[1]), static_cast<qint16>(p[0]));
            haveExt = true;
        } else if (r.function == wmf::META_SETMAPMODE && p.size() >= 1 && !haveMode) {
            haveMode = true;
            // MM_TEXT counts as a pixel of a 96-dpi screen.
            if (const int upi = p[0] == wmf::MM_TEXT ? 96 : wmf::unitsPerInch(p[0]); upi > 0)
                mf.header.unitsPerInch = upi;
        }
        if (haveOrg && haveExt && haveMode)
            break;
    }
    if (haveExt) {
        // A negative extent flips the axis; the frame covers the same span either way.
        const int x2 = org.x() + ext.width(), y2 = org.y() + ext.height();
        mf.header.bounds = QRect(QPoint(std::min(org.x(), x2), std::min(org.y(), y2)),
                                 QSize(std::abs(ext.width()), std::abs(ext.height())));
    }
}

wmf::ReadResult parse(const QByteArray &bytes)
{
    wmf::ReadResult result;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 size = bytes.size();
    qint64 pos = 0;

    if (size >= 4 && u32(data) == wmf::PlaceableKey) {
        if (size < wmf::PlaceableHeaderBytes) {
            result.error = QStringLiteral("The placeable header is cut short.");
            return result;
        }
        wmf::Header &h = result.metafile.header;
        h.placeable = true;
        const int left = s16(data + 6), top = s16(data + 8);
        const int right = s16(data + 10), bottom = s16(data + 12);
        h.bounds = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                         QSize(std::abs(right - left), std::abs(bottom - top)));
        const quint16 inch = u16(data + 14);
        h.unitsPerInch = inch != 0 ? inch : 1440;
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= u16(data + 2 * i);
        h.checksumOk = sum == u16(data + 20);
        pos = wmf::PlaceableHeaderBytes;
    }

    if (size - pos < wmf::StandardHeaderBytes) {
        result.error = QStringLiteral("Not a Windows metafile: the header is cut short.");
        return result;
    }
    const quint16 type = u16(data + pos);
    const quint16 headerWords = u16(data + pos + 2);
    if ((type != 1 && type != 2) || headerWords != 9) {
        result.error = QStringLiteral("Not a Windows metafile.");
        return result;
    }
    result.metafile.header.version = u16(data + pos + 4);
    result.metafile.header.objectCount = u16(data + pos + 10);
    pos += wmf::StandardHeaderBytes;

    bool sawEnd = false;
    while (pos < size) {
        if (size - pos < 6) {
            result.error = QStringLiteral("A record at byte %1 is cut short.").arg(pos);
            break;
        }
        const qint64 words = u32(data + pos);
        const quint16 function = u16(data + pos + 4);
        if (words < wmf::RecordHeaderWords) {
            result.error =
                QStringLiteral("The record at byte %1 has an impossible size of %2 words.")
                    .arg(pos)
                    .arg(words);
            break;
        }
        if (words * 2 > size - pos) {
            result.error =
                QStringLiteral("The record at byte %1 runs past the end of the file.").arg(pos);
            break;
        }
        if (function == wmf::META_EOF) {
            sawEnd = true;
            break;
        }
        wmf::Record record;
        record.function = function;
        record.offset = pos;
        const qint64 count = words - wmf::RecordHeaderWords;
        record.params.resize(static_cast<int>(count));
        const uchar *p = data + pos + 6;
        for (qint64 i = 0; i < count; ++i)
            record.params[static_cast<int>(i)] = u16(p + 2 * i);
        result.metafile.records.append(std::move(record));
        pos += words * 2;
    }
    if (!sawEnd && result.error.isEmpty())
        result.error = QStringLiteral("The file ends without an end-of-file record.");

    if (!result.metafile.header.placeable)
        boundsFromRecords(result.metafile);
    return result;
}

} // namespace

namespace wmf
{

QSizeF Metafile::sizeInInches() const
{
    if (header.bounds.isEmpty() || header.unitsPerInch <= 0)
        return QSizeF();
    return QSizeF(double(header.bounds.width()) / header.unitsPerInch,
                  double(header.bounds.height()) / header.unitsPerInch);
}

QSize Metafile::pixelSize(double dotsPerInch) const
{
    const QSizeF inches = sizeInInches();
    if (inches.isEmpty() || !(dotsPerInch > 0) || !std::isfinite(dotsPerInch))
        return QSize();
    auto side = [&](double in) {
        const double px = std::round(in * dotsPerInch);
        return static_cast<int>(std::clamp(px, 1.0, double(MaxPixelSide)));
    };
    return QSize(side(inches.width()), side(inches.height()));
}

ReadResult read(const QByteArray &bytes)
{
    if (bytes.size() > MaxFileBytes) {
        ReadResult r;
        r.error = QStringLiteral("The file is too large to be a page picture.");
        return r;
    }
    return parse(bytes);
}

ReadResult read(QIODevice *device)
{
    ReadResult r;
    if (!device || !device->isReadable()) {
        r.error = QStringLiteral("The file cannot be read.");
        return r;
    }
    // Read at most one byte past the limit so that an oversized file is recognised without
    // reading all of it.
    QByteArray bytes = device->read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        r.error = QStringLiteral("The file is too large to be a page picture.");
        return r;
    }
    return parse(bytes);
}

} // namespace wmf
