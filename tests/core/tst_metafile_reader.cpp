// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QTest>

#include "metafile/dib.h"
#include "metafile/metafile.h"
#include "metafile/wmftext.h"
#include "tst_metafile_builder.h"

using namespace wmftest;

class TestMetafileReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void readFromDevice();
    void pixelSize_data();
    void pixelSize();
    void decodeDib_data();
    void decodeDib();
    void refusedDib_data();
    void refusedDib();
    void decodeText_data();
    void decodeText();
};

void TestMetafileReader::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("placeable");
    QTest::addColumn<bool>("checksumOk");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<int>("unitsPerInch");

    const QRect page(0, 0, 10485, 11955);
    QTest::newRow("placeable, good checksum")
        << Builder().placeable(page).window(0, 0, 10485, 11955).bytes() << true << 2 << true << true
        << page << 1440;
    QTest::newRow("placeable, bad checksum is accepted")
        << Builder().placeable(page, 1440, false).rectangle(0, 0, 5, 5).bytes() << true << 1 << true
        << false << page << 1440;
    QTest::newRow("placeable, flipped bounds are normalised")
        << Builder().placeable(QRect(100, 50, -100, -50)).bytes() << true << 0 << true << true
        << QRect(0, 0, 100, 50) << 1440;
    QTest::newRow("placeable, zero units per inch means twips")
        << Builder().placeable(page, 0).bytes() << true << 0 << true << true << page << 1440;
    QTest::newRow("plain, bounds from the window")
        << Builder().window(10, 20, 300, 200).rectangle(0, 0, 1, 1).bytes() << true << 3 << false
        << true << QRect(10, 20, 300, 200) << 1440;
    QTest::newRow("plain, negative extent covers the same span")
        << Builder().window(0, 200, 300, -200).bytes() << true << 2 << false << true
        << QRect(0, 0, 300, 200) << 1440;
    QTest::newRow("plain, map mode fixes the unit")
        << Builder()
               .record(wmf::META_SETMAPMODE, {wmf::MM_HIMETRIC})
               .window(0, 0, 2540, 2540)
               .bytes()
        << true << 3 << false << true << QRect(0, 0, 2540, 2540) << 2540;
    QTest::newRow("plain, no window has no size")
        << Builder().rectangle(0, 0, 5, 5).bytes() << true << 1 << false << true << QRect() << 1440;
    QTest::newRow("records after the end record are ignored")
        << Builder().rectangle(0, 0, 5, 5).bytes() + Builder().rectangle(0, 0, 1, 1).bytes() << true
        << 1 << false << true << QRect() << 1440;
    QTest::newRow("missing end record keeps the records")
        << Builder().rectangle(0, 0, 5, 5).rectangle(1, 1, 2, 2).bytes(false) << false << 2 << false
        << true << QRect() << 1440;
    QTest::newRow("record under three words stops the reading")
        << Builder().rectangle(0, 0, 5, 5).rawRecord(2, wmf::META_RECTANGLE).bytes() << false << 1
        << false << true << QRect() << 1440;
    QTest::newRow("zero-size record stops the reading")
        << Builder().rawRecord(0, wmf::META_LINETO).rectangle(0, 0, 5, 5).bytes() << false << 0
        << false << true << QRect() << 1440;
    QTest::newRow("record past the end stops the reading")
        << Builder().rectangle(0, 0, 5, 5).rawRecord(1000, wmf::META_POLYGON, {3}).bytes(false)
        << false << 1 << false << true << QRect() << 1440;
    QTest::newRow("largest record size stops the reading")
        << Builder().rawRecord(0xFFFFFFFFu, wmf::META_POLYGON, {3}).bytes() << false << 0 << false
        << true << QRect() << 1440;
    QTest::newRow("record header cut short")
        << Builder().rectangle(0, 0, 5, 5).bytes(false) + QByteArray("\x05\x00", 2) << false << 1
        << false << true << QRect() << 1440;
    QTest::newRow("placeable header cut short") << QByteArray("\xD7\xCD\xC6\x9A\x00\x00", 6)
                                                << false << 0 << false << true << QRect() << 1440;
    QTest::newRow("not a metafile") << QByteArray("GIF89a and some more bytes here") << false << 0
                                    << false << true << QRect() << 1440;
    QTest::newRow("empty") << QByteArray() << false << 0 << false << true << QRect() << 1440;
}

void TestMetafileReader::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(int, records);
    QFETCH(bool, placeable);
    QFETCH(bool, checksumOk);
    QFETCH(QRect, bounds);
    QFETCH(int, unitsPerInch);

    const wmf::ReadResult r = wmf::read(bytes);
    QCOMPARE(r.ok(), ok);
    QCOMPARE(r.error.isEmpty(), ok);
    QCOMPARE(r.metafile.records.size(), records);
    QCOMPARE(r.metafile.header.placeable, placeable);
    QCOMPARE(r.metafile.header.checksumOk, checksumOk);
    if (ok || placeable)
        QCOMPARE(r.metafile.header.bounds, bounds);
    QCOMPARE(r.metafile.header.unitsPerInch, unitsPerInch);
}

void TestMetafileReader::readFromDevice()
{
    const QByteArray bytes = Builder()
                                 .placeable(QRect(0, 0, 1440, 720))
                                 .window(0, 0, 1440, 720)
                                 .record(wmf::META_POLYLINE, {2, 0, 0, 100, 100})
                                 .bytes();
    QBuffer buffer;
    buffer.setData(bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const wmf::ReadResult r = wmf::read(&buffer);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.metafile.records.size(), 3);
    const wmf::Record &poly = r.metafile.records.at(2);
    QCOMPARE(poly.function, quint16(wmf::META_POLYLINE));
    QCOMPARE(poly.params, (QVector<quint16>{2, 0, 0, 100, 100}));
    // Placeable header, standard header, two 5-word records.
    QCOMPARE(poly.offset, qint64(22 + 18 + 10 + 10));

    QBuffer closed;
    QVERIFY(!wmf::read(&closed).ok());
    QVERIFY(!wmf::read(static_cast<QIODevice *>(nullptr)).ok());
}

void TestMetafileReader::pixelSize_data()
{
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<int>("unitsPerInch");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("page in twips at 96 dpi")
        << QRect(0, 0, 10485, 11955) << 1440 << 96.0 << QSize(699, 797);
    QTest::newRow("inch square at 300 dpi")
        << QRect(5, 5, 1440, 1440) << 1440 << 300.0 << QSize(300, 300);
    QTest::newRow("hundredths of a millimetre")
        << QRect(0, 0, 2540, 5080) << 2540 << 96.0 << QSize(96, 192);
    QTest::newRow("tiny picture is one pixel") << QRect(0, 0, 1, 1) << 1440 << 96.0 << QSize(1, 1);
    QTest::newRow("giant claim is capped") << QRect(-32768, -32768, 65535, 65535) << 1 << 96.0
                                           << QSize(wmf::MaxPixelSide, wmf::MaxPixelSide);
    QTest::newRow("no bounds, no size") << QRect() << 1440 << 96.0 << QSize();
    QTest::newRow("nonsense resolution") << QRect(0, 0, 100, 100) << 1440 << -1.0 << QSize();
}

void TestMetafileReader::pixelSize()
{
    QFETCH(QRect, bounds);
    QFETCH(int, unitsPerInch);
    QFETCH(double, dpi);
    QFETCH(QSize, expected);

    wmf::Metafile mf;
    mf.header.bounds = bounds;
    mf.header.unitsPerInch = unitsPerInch;
    QCOMPARE(mf.pixelSize(dpi), expected);
}

static QImage quadrants(QColor a, QColor b, QColor c, QColor d, int w = 2, int h = 2)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, (y < h / 2 ? (x < w / 2 ? a : b) : (x < w / 2 ? c : d)).rgb());
    return img;
}

void TestMetafileReader::decodeDib_data()
{
    QTest::addColumn<QImage>("pixels");
    QTest::addColumn<int>("bpp");
    QTest::addColumn<bool>("topDown");

    const QImage four = quadrants(Qt::red, Qt::green, Qt::blue, Qt::yellow, 6, 4);
    const QImage two = quadrants(Qt::black, Qt::white, Qt::white, Qt::black, 10, 2);
    for (bool topDown : {false, true}) {
        const char *order = topDown ? "top-down" : "bottom-up";
        QTest::addRow("1 bit, %s", order) << two << 1 << topDown;
        QTest::addRow("4 bits, %s", order) << four << 4 << topDown;
        QTest::addRow("8 bits, %s", order) << four << 8 << topDown;
        QTest::addRow("24 bits, %s", order) << four << 24 << topDown;
        QTest::addRow("32 bits, %s", order) << four << 32 << topDown;
    }
}

void TestMetafileReader::decodeDib()
{
    QFETCH(QImage, pixels);
    QFETCH(int, bpp);
    QFETCH(bool, topDown);

    const wmf::Dib decoded = wmf::decodeDib(dib(pixels, bpp, topDown), wmf::DIB_RGB_COLORS);
    const QImage &out = decoded.image;
    QVERIFY2(!out.isNull(), qPrintable(decoded.error));
    QVERIFY(decoded.ok());
    QCOMPARE(decoded.topDown, topDown);
    QCOMPARE(out.size(), pixels.size());
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            QCOMPARE(QColor(out.pixel(x, y)), QColor(pixels.pixel(x, y)));
}

static QByteArray dibHeader(qint32 width, qint32 height, int bpp, quint32 colorsUsed = 0,
                            quint32 compression = wmf::BI_RGB)
{
    QByteArray b;
    put32(b, 40);
    put32(b, static_cast<quint32>(width));
    put32(b, static_cast<quint32>(height));
    put16(b, 1);
    put16(b, w(bpp));
    put32(b, compression);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, colorsUsed);
    put32(b, 0);
    return b;
}

void TestMetafileReader::refusedDib_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint16>("usage");

    const QByteArray pixels(64, '\x11');
    QTest::newRow("empty") << QByteArray() << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("header size larger than the data")
        << QByteArray("\xF0\xFF\xFF\xFF", 4) + QByteArray(60, '\0') << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("zero width") << dibHeader(0, 4, 24) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("most negative height")
        << dibHeader(4, INT32_MIN, 24) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("giant claim, few bytes")
        << dibHeader(1000000, 1000000, 24) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("within sides, too many pixels")
        << dibHeader(16000, 16000, 1) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("width times depth would overflow 32 bits")
        << dibHeader(0x7FFFFFFF, 1, 32) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("colour table claims four billion entries")
        << dibHeader(2, 2, 8, 0xFFFFFFFFu) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("rows cut short")
        << dibHeader(100, 100, 24) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("run-length compressed")
        << dibHeader(2, 2, 8, 2, wmf::BI_RLE8) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("odd depth") << dibHeader(2, 2, 7) + pixels << quint16(wmf::DIB_RGB_COLORS);
    QTest::newRow("palette-relative colours")
        << dibHeader(2, 2, 8, 2) + pixels << quint16(wmf::DIB_PAL_COLORS);
}

void TestMetafileReader::refusedDib()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint16, usage);
    const wmf::Dib decoded = wmf::decodeDib(bytes, usage);
    QVERIFY(decoded.image.isNull());
    QVERIFY(!decoded.ok());
}

void TestMetafileReader::decodeText_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ANSI") << int(wmf::ANSI_CHARSET) << 1252 << QByteArray("\x80 caf\xE9")
                          << QString::fromUtf8("€ café");
    QTest::newRow("default is ANSI")
        << int(wmf::DEFAULT_CHARSET) << 1252 << QByteArray("\x93") << QString::fromUtf8("“");
    QTest::newRow("Russian") << int(wmf::RUSSIAN_CHARSET) << 1251 << QByteArray("\xCC\xE8\xF0")
                             << QString::fromUtf8("Мир");
    QTest::newRow("Greek") << int(wmf::GREEK_CHARSET) << 1253 << QByteArray("\xD9")
                           << QString::fromUtf8("Ω");
    QTest::newRow("East European")
        << int(wmf::EASTEUROPE_CHARSET) << 1250 << QByteArray("\x8A") << QString::fromUtf8("Š");
    QTest::newRow("Turkish") << int(wmf::TURKISH_CHARSET) << 1254 << QByteArray("\xFD")
                             << QString::fromUtf8("ı");
    QTest::newRow("OEM") << int(wmf::OEM_CHARSET) << 437 << QByteArray("\xB0")
                         << QString::fromUtf8("░");
    QTest::newRow("Shift-JIS") << int(wmf::SHIFTJIS_CHARSET) << 932 << QByteArray("\x82\xA0")
                               << QString::fromUtf8("あ");
    QTest::newRow("symbol letters are Greek")
        << int(wmf::SYMBOL_CHARSET) << 42 << QByteArray("W=2pr") << QString::fromUtf8("Ω=2πρ");
    QTest::newRow("unknown set is ANSI")
        << 99 << 1252 << QByteArray("\x99") << QString::fromUtf8("™");
}

void TestMetafileReader::decodeText()
{
    QFETCH(int, charset);
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(wmf::codePageForCharset(static_cast<quint8>(charset)), codePage);
    QCOMPARE(wmf::decodeText(bytes, static_cast<quint8>(charset)), expected);
}

QTEST_GUILESS_MAIN(TestMetafileReader)
#include "tst_metafile_reader.moc"
