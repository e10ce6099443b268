// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile metafiles: each must read and draw to the end without a crash, report what
// was wrong, and leave the rest of the picture drawn. Rendering needs fonts, so this test runs with
// a GUI application on the offscreen platform. A hang shows up as the test's time-out.
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "tst_metafile_builder.h"

using namespace wmftest;

namespace
{

Builder page()
{
    Builder b;
    b.placeable(QRect(0, 0, 1000, 1000), 1440).window(0, 0, 1000, 1000);
    return b;
}

Words rop(quint32 op)
{
    return {w(op & 0xFFFF), w(op >> 16)};
}

QByteArray bitmapHeader(qint32 width, qint32 height, int bpp, quint32 colorsUsed = 0)
{
    QByteArray b;
    put32(b, 40);
    put32(b, static_cast<quint32>(width));
    put32(b, static_cast<quint32>(height));
    put16(b, 1);
    put16(b, w(bpp));
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, colorsUsed);
    put32(b, 0);
    return b + QByteArray(16, '\x7F');
}

// A picture with a bit of everything, used as the seed of the mutated rows.
QByteArray everything()
{
    Builder b = page();
    b.pen(wmf::PS_DASH, 0, Qt::red).select(0).brush(wmf::BS_HATCHED, Qt::blue, 3).select(1);
    b.font(-100, 300).select(2).record(wmf::META_SETTEXTALIGN, {wmf::TA_UPDATECP});
    b.record(wmf::META_POLYGON, {3, 0, 0, 500, 0, 0, 500});
    b.record(wmf::META_POLYPOLYGON, {2, 3, 3, 0, 0, 9, 0, 0, 9, 5, 5, 8, 5, 5, 8});
    b.record(wmf::META_ARC, {10, 50, 50, 90, 90, 90, 10, 10});
    b.textOut(10, 10, "Hello")
        .extTextOut(20, 20, "Hi", wmf::ETO_CLIPPED, QRect(0, 0, 50, 50), {30, 30});
    b.record(wmf::META_SAVEDC).record(wmf::META_INTERSECTCLIPRECT, {500, 500, 0, 0});
    b.record(wmf::META_STRETCHDIB,
             rop(wmf::SRCCOPY) + Words{0, 2, 2, 0, 0, 100, 100, 0, 0} +
                 bytesToWords(dib(QImage(2, 2, QImage::Format_RGB32), 8, false)));
    b.record(wmf::META_RESTOREDC, {w(-1)}).remove(1).remove(0);
    return b.bytes();
}

QByteArray mutated(quint32 seed)
{
    QByteArray bytes = everything();
    QRandomGenerator random(seed);
    const int changes = 1 + random.bounded(8);
    for (int i = 0; i < changes; ++i) {
        const int at = random.bounded(bytes.size());
        switch (random.bounded(3)) {
        case 0:
            bytes[at] = static_cast<char>(random.bounded(256));
            break;
        case 1:
            bytes[at] = static_cast<char>(0xFF);
            break;
        default:
            bytes.truncate(at);
            break;
        }
        if (bytes.isEmpty())
            break;
    }
    return bytes;
}

} // namespace

class TestMetafileHostile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void survive_data();
    void survive();
    void mutations_data();
    void mutations();
};

void TestMetafileHostile::survive_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("reported"); // the reader or the renderer says something was wrong

    // Each row's bytes in a buffer of exactly their size, so that a read past the end is one
    // AddressSanitizer sees rather than a read into the spare capacity the builder grew.
    auto row = [](const char *name, const QByteArray &bytes, bool reported = true) {
        QTest::newRow(name) << QByteArray(bytes.constData(), bytes.size()) << reported;
    };

    // Record framing.
    row("truncated record", page().rectangle(0, 0, 10, 10).bytes().chopped(4));
    row("record of two words", page().rawRecord(2, wmf::META_LINETO, {1, 2}).bytes());
    row("record of zero words", page().rawRecord(0, wmf::META_LINETO).bytes());
    row("record a few words past the end",
        page().rawRecord(3 + 2 + 8, wmf::META_LINETO, {1, 2}).bytes(false));
    row("record of four billion words",
        page().rawRecord(0xFFFFFFFFu, wmf::META_POLYGON, {3}).bytes());
    row("header only", Builder().placeable(QRect(0, 0, 10, 10)).bytes(false).left(22 + 18), true);

    // Counts beyond the record.
    row("polygon claims 65535 points",
        page().record(wmf::META_POLYGON, {65535, 1, 2, 3, 4}).bytes());
    row("polyline claims 65535 points", page().record(wmf::META_POLYLINE, {65535, 1, 2}).bytes());
    row("poly-polygon claims 65535 polygons",
        page().record(wmf::META_POLYPOLYGON, {65535, 3}).bytes());
    row("poly-polygon point counts overflow",
        page().record(wmf::META_POLYPOLYGON, {3, 65535, 65535, 65535, 0, 0}).bytes());
    row("text claims 65535 bytes", page().record(wmf::META_TEXTOUT, {65535, 0x4141, 0, 0}).bytes());
    row("extended text claims 65535 bytes",
        page().record(wmf::META_EXTTEXTOUT, {0, 0, 65535, 0, 0x4141}).bytes());
    row("extended text without its rectangle",
        page()
            .record(wmf::META_EXTTEXTOUT, {0, 0, 2, wmf::ETO_OPAQUE | wmf::ETO_CLIPPED, 0x4141})
            .bytes());
    row("short spacing array", page().extTextOut(0, 0, "ABCDEF", 0, {}, {10, 10}).bytes());
    row("empty records of every kind", [] {
        Builder b = page();
        for (quint16 f : {wmf::META_POLYGON,
                          wmf::META_POLYLINE,
                          wmf::META_POLYPOLYGON,
                          wmf::META_RECTANGLE,
                          wmf::META_ROUNDRECT,
                          wmf::META_ELLIPSE,
                          wmf::META_ARC,
                          wmf::META_PIE,
                          wmf::META_CHORD,
                          wmf::META_LINETO,
                          wmf::META_MOVETO,
                          wmf::META_TEXTOUT,
                          wmf::META_EXTTEXTOUT,
                          wmf::META_STRETCHDIB,
                          wmf::META_DIBSTRETCHBLT,
                          wmf::META_DIBBITBLT,
                          wmf::META_SELECTOBJECT,
                          wmf::META_DELETEOBJECT,
                          wmf::META_CREATEPENINDIRECT,
                          wmf::META_CREATEBRUSHINDIRECT,
                          wmf::META_CREATEFONTINDIRECT,
                          wmf::META_DIBCREATEPATTERNBRUSH,
                          wmf::META_SETWINDOWEXT,
                          wmf::META_SETWINDOWORG,
                          wmf::META_SCALEWINDOWEXT,
                          wmf::META_SETBKCOLOR,
                          wmf::META_RESTOREDC,
                          wmf::META_INTERSECTCLIPRECT,
                          wmf::META_OFFSETCLIPRGN,
                          wmf::META_PATBLT,
                          wmf::META_SETPIXEL,
                          wmf::META_SETMAPMODE,
                          wmf::META_SETTEXTALIGN})
            b.record(f);
        return b.bytes();
    }());

    // Objects and states.
    row("select and delete of bad indices",
        page().select(65535).remove(65535).select(0).remove(0).remove(0).bytes());
    row("forty thousand objects", [] {
        Builder b = page();
        for (int i = 0; i < 40000; ++i)
            b.brush(wmf::BS_SOLID, Qt::red);
        return b.select(39999).rectangle(0, 0, 10, 10).bytes();
    }());
    row("restore far back", page().record(wmf::META_RESTOREDC, {w(-32768)}).bytes());
    row("restore a level never saved", page().record(wmf::META_RESTOREDC, {5}).bytes());
    row("ten thousand saves", [] {
        Builder b = page();
        for (int i = 0; i < 10000; ++i)
            b.record(wmf::META_SAVEDC);
        return b.record(wmf::META_RESTOREDC, {1}).bytes();
    }());
    row("twenty thousand clip holes", [] {
        Builder b;
        b.placeable(QRect(0, 0, 400, 400), 96)
            .window(0, 0, 400, 400)
            .fill(QRect(0, 0, 400, 400), Qt::red);
        for (int i = 0; i < 20000; ++i) {
            const int x = (i % 100) * 4, y = (i / 100 % 100) * 4;
            b.record(wmf::META_EXCLUDECLIPRECT, {w(y + 2), w(x + 2), w(y), w(x)});
        }
        return b.rectangle(0, 0, 400, 400).bytes();
    }());

    row("a thousand font faces", [] {
        Builder b = page();
        for (int i = 0; i < 1000; ++i)
            b.font(-40, 0, wmf::ANSI_CHARSET, "Face" + QByteArray::number(i))
                .select(0)
                .remove(0)
                .textOut(0, 0, "x");
        return b.bytes();
    }());
    row(
        "clip moved far away",
        [] {
            Builder b = page().record(wmf::META_INTERSECTCLIPRECT, {500, 500, 0, 0});
            for (int i = 0; i < 5000; ++i)
                b.record(wmf::META_OFFSETCLIPRGN, {32767, 32767});
            return b.fill(QRect(0, 0, 1000, 1000), Qt::red).bytes();
        }(),
        false);
    row("long text", page().font(-2000).select(0).textOut(0, 0, QByteArray(65000, 'W')).bytes());

    // Mapping and sizes.
    row("zero extents", page()
                            .record(wmf::META_SETWINDOWEXT, {0, 0})
                            .record(wmf::META_SETVIEWPORTEXT, {0, 5})
                            .record(wmf::META_SCALEWINDOWEXT, {0, 1, 0, 1})
                            .rectangle(0, 0, 5, 5)
                            .bytes());
    row("zero bounds", Builder().placeable(QRect(0, 0, 0, 0)).rectangle(0, 0, 5, 5).bytes());
    row("enormous scale",
        page()
            .window(0, 0, 1, 1)
            .record(wmf::META_SETVIEWPORTEXT, {32767, 32767})
            .pen(wmf::PS_DOT, 32767, Qt::black)
            .select(0)
            .record(wmf::META_POLYLINE, {3, w(-32768), w(-32768), 32767, 32767, 0, 32767})
            .record(wmf::META_ELLIPSE, {32767, 32767, w(-32768), w(-32768)})
            .record(wmf::META_ROUNDRECT, {32767, 32767, 32767, 32767, w(-32768), w(-32768)})
            .record(wmf::META_ARC, {1, 1, 2, 2, 32767, 32767, w(-32768), w(-32768)})
            .bytes(),
        false);
    row("tiny scale",
        page()
            .window(0, 0, 32767, 32767)
            .record(wmf::META_SETVIEWPORTEXT, {1, 1})
            .font(-32768, 32767)
            .select(0)
            .textOut(5, 5, "tiny")
            .bytes(),
        false);
    row("huge fonts",
        page()
            .font(-32768, w(-32768))
            .select(0)
            .textOut(5, 5, "WWWWWWWWWW")
            .font(32767)
            .select(1)
            .extTextOut(5, 5, "MM", 0, {}, {32767, w(-32768)})
            .bytes(),
        false);
    row("font without a face terminator",
        page()
            .record(wmf::META_CREATEFONTINDIRECT, Words(9 + 16, 0x4141))
            .select(0)
            .textOut(1, 1, "x")
            .bytes(),
        false);

    // Bitmaps.
    auto stretch = [](const QByteArray &bits) {
        return page()
            .record(wmf::META_STRETCHDIB, rop(wmf::SRCCOPY) +
                                              Words{0, 100, 100, 0, 0, 100, 100, 0, 0} +
                                              bytesToWords(bits))
            .bytes();
    };
    row("giant bitmap claim", stretch(bitmapHeader(1000000, 1000000, 24)));
    row("bitmap height of minus two billion", stretch(bitmapHeader(4, INT32_MIN, 24)));
    row("bitmap row size overflow", stretch(bitmapHeader(0x7FFFFFFF, 2, 32)));
    row("bitmap colour table of four billion", stretch(bitmapHeader(2, 2, 8, 0xFFFFFFFFu)));
    row("bitmap header size of four billion",
        stretch(QByteArray("\xF0\xFF\xFF\xFF", 4) + QByteArray(64, '\0')));
    row("bitmap pattern brush claim",
        page()
            .record(wmf::META_DIBCREATEPATTERNBRUSH,
                    Words{5, 0} + bytesToWords(bitmapHeader(60000, 60000, 1)))
            .select(0)
            .rectangle(0, 0, 10, 10)
            .bytes());
    row("bitmap pattern brush larger than a tile", [] {
        QImage big(1024, 1024, QImage::Format_RGB32);
        big.fill(Qt::black);
        return page()
            .record(wmf::META_DIBCREATEPATTERNBRUSH, Words{5, 0} + bytesToWords(dib(big, 1, false)))
            .select(0)
            .rectangle(0, 0, 10, 10)
            .bytes();
    }());
    row("bitmap source outside the picture",
        page()
            .record(wmf::META_STRETCHDIB,
                    rop(wmf::SRCCOPY) + Words{0, 32767, 32767, w(-32768), w(-32768), 10, 10, 0, 0} +
                        bytesToWords(dib(QImage(2, 2, QImage::Format_RGB32), 24, false)))
            .bytes(),
        false);
    // Well formed, but slow to draw: the drawing stops at its work budget.
    row("a megabyte of fonts of new sizes", fontFlood(1024 * 1024, 30000));
    row("a megabyte of polygons of 32767 points", polygonFlood(1024 * 1024));
    row("bitmap with an unknown raster operation",
        page()
            .record(wmf::META_STRETCHDIB,
                    rop(0x00BB0226) + Words{0, 2, 2, 0, 0, 10, 10, 0, 0} +
                        bytesToWords(dib(QImage(2, 2, QImage::Format_RGB32), 24, false)))
            .bytes());
}

void TestMetafileHostile::survive()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, reported);

    const wmf::ReadResult read = wmf::read(bytes);
    const QSize size =
        read.metafile.pixelSize(96).isEmpty() ? QSize(64, 64) : read.metafile.pixelSize(96);
    QVERIFY(size.width() <= wmf::MaxPixelSide && size.height() <= wmf::MaxPixelSide);
    QImage image(size.boundedTo(QSize(400, 400)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const wmf::RenderResult result = wmf::render(read.metafile, painter, QRectF(image.rect()));
    painter.end();
    QCOMPARE(result.drawn + result.skipped, read.metafile.records.size());
    QVERIFY(result.problems.size() <= 40);
    QCOMPARE(!read.ok() || !result.problems.isEmpty(), reported);
}

void TestMetafileHostile::mutations_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 300; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestMetafileHostile::mutations()
{
    QFETCH(quint32, seed);
    const wmf::ReadResult read = wmf::read(mutated(seed));
    QImage image(120, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const wmf::RenderResult drawn = wmf::render(read.metafile, painter, QRectF(0, 0, 120, 120));
    const wmf::RenderResult nowhere = wmf::render(read.metafile, painter, QRectF());
    painter.end();
    QCOMPARE(drawn.drawn + drawn.skipped, read.metafile.records.size());
    QCOMPARE(nowhere.drawn, 0);
    QVERIFY(!nowhere.problems.isEmpty());
}

QTEST_MAIN(TestMetafileHostile)
#include "tst_metafile_hostile.moc"
