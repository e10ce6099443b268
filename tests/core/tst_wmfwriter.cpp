// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "metafile/wmfrecords.h"
#include "metafile/wmfwriter.h"

#include <QTest>
#include <QtEndian>

using namespace wmf;

namespace
{

QByteArray paramBytes(const Record &r)
{
    QByteArray out;
    for (quint16 w : r.params) {
        out.append(static_cast<char>(w & 0xFF));
        out.append(static_cast<char>(w >> 8));
    }
    return out;
}

QVector<Record> recordsOf(const Metafile &mf, quint16 function)
{
    QVector<Record> out;
    for (const Record &r : mf.records) {
        if (r.function == function)
            out << r;
    }
    return out;
}

Metafile readBack(const QByteArray &bytes)
{
    const ReadResult result = read(bytes);
    if (!result.ok())
        qWarning("reader: %s", qPrintable(result.error));
    return result.metafile;
}

quint16 word(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

quint32 dword(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}

} // namespace

class TestWmfWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void header_data();
    void header();
    void objectSlots_data();
    void objectSlots();
    void refused_data();
    void refused();
    void text_data();
    void text();
    void fontRecord();
    void polygon();
    void picture_data();
    void picture();
};

void TestWmfWriter::header_data()
{
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<int>("unitsPerInch");

    QTest::newRow("screen page in twips") << QRect(0, 0, 10440, 7800) << 1440;
    QTest::newRow("print page in twips") << QRect(0, 0, 9800, 13600) << 1440;
    QTest::newRow("negative origin") << QRect(-300, -200, 600, 400) << 576;
    QTest::newRow("largest window") << QRect(-16000, -16000, 32767, 32767) << 1000;
}

void TestWmfWriter::header()
{
    QFETCH(QRect, bounds);
    QFETCH(int, unitsPerInch);

    Writer w(bounds, unitsPerInch);
    w.mapToBounds();
    w.rectangle(QRect(bounds.topLeft(), QSize(10, 10)));
    const QByteArray bytes = w.finish();
    QVERIFY2(w.ok(), qPrintable(w.error()));

    // Placeable header: key, then the checksum over the ten words before it.
    QCOMPARE(dword(bytes, 0), PlaceableKey);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= word(bytes, 2 * i);
    QCOMPARE(word(bytes, 20), checksum);
    // Standard header: size of everything after the placeable header, in words.
    QCOMPARE(qint64(dword(bytes, PlaceableHeaderBytes + 6)) * 2,
             qint64(bytes.size() - PlaceableHeaderBytes));

    const ReadResult result = read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QVERIFY(result.metafile.header.placeable);
    QVERIFY(result.metafile.header.checksumOk);
    QCOMPARE(result.metafile.header.bounds, bounds);
    QCOMPARE(result.metafile.header.unitsPerInch, unitsPerInch);

    // Anisotropic mapping onto the frame, and the end record last.
    const Metafile &mf = result.metafile;
    QCOMPARE(recordsOf(mf, META_SETMAPMODE).value(0).params, QVector<quint16>{MM_ANISOTROPIC});
    const Record ext = recordsOf(mf, META_SETWINDOWEXT).value(0);
    QCOMPARE(qint16(ext.params.value(0)), qint16(bounds.height()));
    QCOMPARE(qint16(ext.params.value(1)), qint16(bounds.width()));
    QCOMPARE(mf.records.constLast().function, quint16(META_RECTANGLE));
    QVERIFY(bytes.endsWith(QByteArray("\x03\0\0\0\0\0", 6))); // the end record

    // Corrupting a header word is noticed by the checksum.
    QByteArray damaged = bytes;
    damaged[14] = static_cast<char>(damaged[14] ^ 0x01);
    QVERIFY(!read(damaged).metafile.header.checksumOk);
}

void TestWmfWriter::objectSlots_data()
{
    // Steps: "pen", "brush", "font" create an object; "del N" deletes slot N.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QVector<int>>("created");
    QTest::addColumn<int>("tableSize");

    QTest::newRow("fresh slots count up")
        << QStringList{"pen", "brush", "font"} << QVector<int>{0, 1, 2} << 3;
    QTest::newRow("freed slot is taken again")
        << QStringList{"pen", "brush", "del 0", "font"} << QVector<int>{0, 1, 0} << 2;
    QTest::newRow("lowest of several free slots first")
        << QStringList{"pen", "pen", "pen", "pen", "del 2", "del 0", "brush", "brush", "brush"}
        << QVector<int>{0, 1, 2, 3, 0, 2, 4} << 5;
    QTest::newRow("swap one at a time keeps the table small")
        << QStringList{"font", "font", "del 0", "font", "del 1", "font", "del 0"}
        << QVector<int>{0, 1, 0, 1} << 2;
}

void TestWmfWriter::objectSlots()
{
    QFETCH(QStringList, steps);
    QFETCH(QVector<int>, created);
    QFETCH(int, tableSize);

    Writer w(QRect(0, 0, 100, 100));
    QVector<int> got;
    for (const QString &step : steps) {
        if (step == QLatin1String("pen"))
            got << w.createPen(PS_SOLID, 1, Qt::red);
        else if (step == QLatin1String("brush"))
            got << w.createBrush(BS_SOLID, Qt::blue);
        else if (step == QLatin1String("font"))
            got << w.createFont(LogFont{QStringLiteral("Arial"), -200});
        else {
            w.deleteObject(step.mid(4).toInt());
            continue;
        }
        if (got.last() >= 0)
            w.selectObject(got.last());
    }
    QCOMPARE(got, created);
    QCOMPARE(w.objectTableSize(), tableSize);
    const Metafile mf = readBack(w.finish());
    QVERIFY2(w.ok(), qPrintable(w.error()));
    QCOMPARE(int(mf.header.objectCount), tableSize);
    // Each select names the slot its object was given.
    const QVector<Record> selects = recordsOf(mf, META_SELECTOBJECT);
    QCOMPARE(selects.size(), created.size());
    for (int i = 0; i < created.size(); ++i)
        QCOMPARE(int(selects[i].params.value(0)), created[i]);
}

void TestWmfWriter::refused_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("select an empty slot") << 0;
    QTest::newRow("delete twice") << 1;
    QTest::newRow("coordinate beyond 16 bits") << 2;
    QTest::newRow("advances do not match the text") << 3;
    QTest::newRow("empty text") << 4;
    QTest::newRow("empty picture") << 5;
    QTest::newRow("polygon of one point") << 6;
    QTest::newRow("frame beyond 16 bits") << 7;
}

void TestWmfWriter::refused()
{
    QFETCH(int, kind);
    Writer w(kind == 7 ? QRect(0, 0, 40000, 10) : QRect(0, 0, 1000, 1000));
    const int pen = w.createPen(PS_SOLID, 1, Qt::black);
    switch (kind) {
    case 0:
        w.selectObject(pen + 1);
        break;
    case 1:
        w.deleteObject(pen);
        w.deleteObject(pen);
        break;
    case 2:
        w.rectangle(QRect(0, 0, 40000, 10));
        break;
    case 3:
        w.extTextOut(QPoint(0, 0), "abc", {10, 10});
        break;
    case 4:
        w.extTextOut(QPoint(0, 0), QByteArray(), {});
        break;
    case 5:
        w.stretchDib(QRect(0, 0, 10, 10), QImage());
        break;
    case 6:
        w.polygon(QPolygon({QPoint(1, 1)}));
        break;
    }
    QVERIFY(!w.ok());
    QVERIFY(!w.error().isEmpty());
    // Nothing after the error is recorded, and no half-made file comes out.
    w.rectangle(QRect(0, 0, 5, 5));
    QVERIFY(w.finish().isEmpty());
}

void TestWmfWriter::text_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVector<qint16>>("dx");
    QTest::addColumn<quint16>("options");
    QTest::addColumn<QRect>("clip");

    QTest::newRow("even length with advances")
        << QByteArray("Push") << QVector<qint16>{120, 110, 90, 100} << quint16(0) << QRect();
    QTest::newRow("odd length is padded")
        << QByteArray("Pull!") << QVector<qint16>{120, 110, 60, 60, 70} << quint16(0) << QRect();
    QTest::newRow("without advances")
        << QByteArray("volt") << QVector<qint16>{} << quint16(0) << QRect();
    QTest::newRow("clipped to a rectangle")
        << QByteArray("magnet") << QVector<qint16>{90, 90, 90, 90, 90, 60} << quint16(ETO_CLIPPED)
        << QRect(-20, 30, 500, 300);
    QTest::newRow("code page 1252 bytes") << QByteArray("\x93"
                                                        "hot\x94 \x96 50\xB0")
                                          << QVector<qint16>(11, 80) << quint16(0) << QRect();
}

void TestWmfWriter::text()
{
    QFETCH(QByteArray, text);
    QFETCH(QVector<qint16>, dx);
    QFETCH(quint16, options);
    QFETCH(QRect, clip);

    Writer w(QRect(0, 0, 2000, 1000));
    w.extTextOut(QPoint(345, -67), text, dx, options, clip);
    const Metafile mf = readBack(w.finish());
    QVERIFY2(w.ok(), qPrintable(w.error()));
    const QVector<Record> runs = recordsOf(mf, META_EXTTEXTOUT);
    QCOMPARE(runs.size(), 1);
    const Record &r = runs.first();
    QCOMPARE(qint16(r.params.value(0)), qint16(-67));
    QCOMPARE(qint16(r.params.value(1)), qint16(345));
    QCOMPARE(int(r.params.value(2)), text.size());
    QCOMPARE(r.params.value(3), options);
    int at = 4;
    if (options & (ETO_CLIPPED | ETO_OPAQUE)) {
        QCOMPARE(qint16(r.params.value(4)), qint16(clip.left()));
        QCOMPARE(qint16(r.params.value(5)), qint16(clip.top()));
        QCOMPARE(qint16(r.params.value(6)), qint16(clip.left() + clip.width()));
        QCOMPARE(qint16(r.params.value(7)), qint16(clip.top() + clip.height()));
        at = 8;
    }
    const QByteArray bytes = paramBytes(r);
    QCOMPARE(bytes.mid(at * 2, text.size()), text);
    const int dxAt = at + (text.size() + 1) / 2;
    QCOMPARE(r.params.size(), dxAt + dx.size());
    for (int i = 0; i < dx.size(); ++i)
        QCOMPARE(qint16(r.params[dxAt + i]), dx[i]);
}

void TestWmfWriter::fontRecord()
{
    Writer w(QRect(0, 0, 100, 100));
    LogFont f;
    f.faceName = QStringLiteral("Times New Roman");
    f.height = -240;
    f.weight = FW_BOLD;
    f.italic = true;
    f.pitchAndFamily = 0x12;
    w.selectObject(w.createFont(f));
    const Metafile mf = readBack(w.finish());
    const QVector<Record> fonts = recordsOf(mf, META_CREATEFONTINDIRECT);
    QCOMPARE(fonts.size(), 1);
    const QByteArray p = paramBytes(fonts.first());
    QCOMPARE(qint16(word(p, 0)), qint16(-240));
    QCOMPARE(word(p, 8), quint16(FW_BOLD));
    QCOMPARE(int(p[10]), 1);                       // italic
    QCOMPARE(quint8(p[13]), quint8(ANSI_CHARSET)); // character set
    QCOMPARE(quint8(p[17]), quint8(0x12));
    QCOMPARE(p.mid(18, LF_FACESIZE),
             QByteArray("Times New Roman").leftJustified(LF_FACESIZE, '\0'));
}

void TestWmfWriter::polygon()
{
    const QPolygon shape(
        {QPoint(0, 0), QPoint(500, -20), QPoint(-300, 700), QPoint(32767, -32768)});
    Writer w(QRect(0, 0, 1000, 1000));
    w.polygon(shape);
    w.polyline(shape.mid(0, 2));
    const Metafile mf = readBack(w.finish());
    QVERIFY2(w.ok(), qPrintable(w.error()));
    const QVector<Record> polys = recordsOf(mf, META_POLYGON);
    QCOMPARE(polys.size(), 1);
    const QVector<quint16> &p = polys.first().params;
    QCOMPARE(int(p.value(0)), shape.size());
    QCOMPARE(p.size(), 1 + 2 * shape.size());
    for (int i = 0; i < shape.size(); ++i)
        QCOMPARE(QPoint(qint16(p[1 + 2 * i]), qint16(p[2 + 2 * i])), shape[i]);
    QCOMPARE(recordsOf(mf, META_POLYLINE).value(0).params.value(0), quint16(2));
}

void TestWmfWriter::picture_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("width needs row padding") << QSize(5, 3);
    QTest::newRow("width of whole words") << QSize(4, 4);
    QTest::newRow("single pixel") << QSize(1, 1);
}

void TestWmfWriter::picture()
{
    QFETCH(QSize, pixels);
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x + 10, 60 * y + 5, (x * 7 + y * 13) % 256));
    }
    const int cell = 11; // logical units per pixel; odd, so each cell has a middle pixel
    const QRect frame(0, 0, pixels.width() * cell, pixels.height() * cell);
    Writer w(frame, 1440);
    w.mapToBounds();
    w.stretchDib(frame, image);
    const Metafile mf = readBack(w.finish());
    QVERIFY2(w.ok(), qPrintable(w.error()));

    // The record decoded by hand: destination, source size and a bottom-up 24-bit DIB.
    const QVector<Record> dibs = recordsOf(mf, META_STRETCHDIB);
    QCOMPARE(dibs.size(), 1);
    const QVector<quint16> &p = dibs.first().params;
    QCOMPARE(quint32(p[0]) | (quint32(p[1]) << 16), SRCCOPY);
    QCOMPARE(int(p[3]), pixels.height());
    QCOMPARE(int(p[4]), pixels.width());
    QCOMPARE(QRect(qint16(p[10]), qint16(p[9]), qint16(p[8]), qint16(p[7])), frame);
    const QByteArray dib = paramBytes(dibs.first()).mid(22);
    QCOMPARE(dword(dib, 0), quint32(40));
    QCOMPARE(int(dword(dib, 4)), pixels.width());
    QCOMPARE(int(dword(dib, 8)), pixels.height());
    QCOMPARE(word(dib, 14), quint16(24));
    const int stride = (pixels.width() * 3 + 3) & ~3;
    for (int y = 0; y < pixels.height(); ++y) {
        const int row = 40 + (pixels.height() - 1 - y) * stride;
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb px = qRgb(quint8(dib[row + 3 * x + 2]), quint8(dib[row + 3 * x + 1]),
                                 quint8(dib[row + 3 * x]));
            QCOMPARE(px, image.pixel(x, y));
        }
    }

    // And drawn by the renderer: the middle of every cell shows its source pixel (the renderer
    // may smooth, so a channel may be one or two off; rows flipped or channels swapped are not).
    const QImage drawn = renderToImage(mf, frame.size(), Qt::black);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb got = drawn.pixel(x * cell + cell / 2, y * cell + cell / 2);
            const QRgb want = image.pixel(x, y);
            QVERIFY2(qAbs(qRed(got) - qRed(want)) <= 2 && qAbs(qGreen(got) - qGreen(want)) <= 2 &&
                         qAbs(qBlue(got) - qBlue(want)) <= 2,
                     qPrintable(QStringLiteral("pixel %1,%2: %3 instead of %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(got, 8, 16)
                                    .arg(want, 8, 16)));
        }
    }
}

QTEST_GUILESS_MAIN(TestWmfWriter)
#include "tst_wmfwriter.moc"
