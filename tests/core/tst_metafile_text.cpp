// SPDX-License-Identifier: GPL-3.0-or-later
// Text and the opaque background of the metafile renderer; fonts need a GUI application on the
// offscreen platform.
#include <QTest>

#include "tst_metafile_paint.h"

using namespace wmftest;

class TestMetafileText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opaqueBackground_data();
    void opaqueBackground();
    void textAlign_data();
    void textAlign();
    void updateCurrentPosition_data();
    void updateCurrentPosition();
    void fontHeight_data();
    void fontHeight();
    void textUpright_data();
    void textUpright();
    void textSpacingAndBoxes();
    void escapement();
};

void TestMetafileText::opaqueBackground_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("opaque fills the gaps") << int(wmf::OPAQUE);
    QTest::newRow("transparent leaves the gaps") << int(wmf::TRANSPARENT);
}

void TestMetafileText::opaqueBackground()
{
    QFETCH(int, mode);
    const bool opaque = mode == wmf::OPAQUE;

    // Hatched brush: the gaps between the hatch lines.
    Builder b = base();
    b.record(wmf::META_SETBKCOLOR, colorRef(Green)).record(wmf::META_SETBKMODE, {w(mode)});
    b.pen(wmf::PS_NULL, 0, Qt::black).select(0);
    b.brush(wmf::BS_HATCHED, Blue, wmf::HS_CROSS).select(1).rectangle(0, 0, 100, 100);
    QImage image = paint(b.bytes());
    int blue = 0, green = 0, grey = 0;
    for (int y = 20; y < 80; ++y)
        for (int x = 20; x < 80; ++x) {
            const QColor c(image.pixel(x, y));
            blue += near(c, Blue);
            green += near(c, Green);
            grey += near(c, Background);
        }
    QVERIFY(blue > 100);
    QCOMPARE(green > 1000, opaque);
    QCOMPARE(grey == 0, opaque);

    // Dashed line: the gaps between the dashes, on the pixel row the line runs along.
    Builder d = base(200);
    d.record(wmf::META_SETBKCOLOR, colorRef(Green)).record(wmf::META_SETBKMODE, {w(mode)});
    d.pen(wmf::PS_DASH, 0, Red).select(0).record(wmf::META_POLYLINE, {2, 0, 101, 200, 101});
    image = paint(d.bytes());
    int gaps = 0, dashes = 0;
    for (int x = 2; x < 98; ++x) {
        const QColor c(image.pixel(x, 50));
        gaps += near(c, Background);
        dashes += c.red() > 200 && c.green() < 60;
    }
    QVERIFY(dashes > 30);
    QCOMPARE(gaps == 0, opaque);
}

void TestMetafileText::textAlign_data()
{
    QTest::addColumn<int>("align");
    const struct {
        const char *name;
        int flag;
    } horizontal[] = {{"left", wmf::TA_LEFT}, {"centre", wmf::TA_CENTER}, {"right", wmf::TA_RIGHT}},
      vertical[] = {
          {"top", wmf::TA_TOP}, {"baseline", wmf::TA_BASELINE}, {"bottom", wmf::TA_BOTTOM}};
    for (const auto &h : horizontal)
        for (const auto &v : vertical)
            QTest::addRow("%s, %s", h.name, v.name) << (h.flag | v.flag);
}

void TestMetafileText::textAlign()
{
    QFETCH(int, align);
    Builder b = base(200);
    b.font(-40).select(0).record(wmf::META_SETTEXTALIGN, {w(align)}).textOut(100, 100, "HHH");
    const QRect ink = inkBox(text(b));
    QVERIFY(!ink.isEmpty());

    switch (align & wmf::TA_HORIZONTAL_MASK) {
    case wmf::TA_LEFT:
        QVERIFY2(std::abs(ink.left() - 100) <= 5, qPrintable(QString::number(ink.left())));
        break;
    case wmf::TA_RIGHT:
        QVERIFY2(std::abs(ink.right() - 100) <= 5, qPrintable(QString::number(ink.right())));
        break;
    default:
        QVERIFY2(std::abs(ink.center().x() - 100) <= 3,
                 qPrintable(QString::number(ink.center().x())));
        break;
    }
    // "H" stands on the baseline, its top at cap height, inside the ascent.
    switch (align & wmf::TA_VERTICAL_MASK) {
    case wmf::TA_TOP:
        QVERIFY2(ink.top() >= 100 && ink.top() <= 114, qPrintable(QString::number(ink.top())));
        break;
    case wmf::TA_BOTTOM:
        QVERIFY2(ink.bottom() >= 84 && ink.bottom() < 98,
                 qPrintable(QString::number(ink.bottom())));
        break;
    default:
        QVERIFY2(std::abs(ink.bottom() - 99) <= 2, qPrintable(QString::number(ink.bottom())));
        break;
    }
}

void TestMetafileText::updateCurrentPosition_data()
{
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("x");
    QTest::newRow("left: the position moves past the text") << int(wmf::TA_LEFT) << 20;
    QTest::newRow("right: the position moves to the text's start") << int(wmf::TA_RIGHT) << 180;
}

void TestMetafileText::updateCurrentPosition()
{
    QFETCH(int, horizontal);
    QFETCH(int, x);
    const int align = horizontal | wmf::TA_BASELINE;

    Builder once = base(200);
    once.font(-40).select(0).record(wmf::META_SETTEXTALIGN, {w(align)}).textOut(x, 100, "HHHH");
    Builder twice = base(200);
    twice.font(-40).select(0).record(wmf::META_SETTEXTALIGN, {w(align | wmf::TA_UPDATECP)});
    twice.record(wmf::META_MOVETO, {100, w(x)}).textOut(0, 0, "HH").textOut(0, 0, "HH");
    Builder fixed = base(200);
    fixed.font(-40).select(0).record(wmf::META_SETTEXTALIGN, {w(align)});
    fixed.textOut(x, 100, "HH").textOut(x, 100, "HH");

    const QRect whole = inkBox(text(once)), pieces = inkBox(text(twice)),
                same = inkBox(text(fixed));
    QVERIFY(!whole.isEmpty());
    QVERIFY2(std::abs(whole.left() - pieces.left()) <= 3 &&
                 std::abs(whole.right() - pieces.right()) <= 3,
             qPrintable(QStringLiteral("%1..%2 vs %3..%4")
                            .arg(whole.left())
                            .arg(whole.right())
                            .arg(pieces.left())
                            .arg(pieces.right())));
    QVERIFY(same.width() < whole.width() * 2 / 3);
}

void TestMetafileText::fontHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("capLow");
    QTest::addColumn<double>("capHigh");
    // A negative height is the em size; a positive one the cell (ascent plus descent), so the
    // same number gives smaller letters.
    QTest::newRow("negative: character height") << -60 << 41.0 << 47.0;
    QTest::newRow("positive: cell height") << 60 << 35.0 << 41.0;
}

void TestMetafileText::fontHeight()
{
    QFETCH(int, height);
    QFETCH(double, capLow);
    QFETCH(double, capHigh);
    Builder b = base(200);
    b.font(height)
        .select(0)
        .record(wmf::META_SETTEXTALIGN, {wmf::TA_BASELINE})
        .textOut(20, 150, "H");
    // The size follows the target, whatever resolution the device reports (a printer's is high).
    for (int dpi : {96, 600}) {
        QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        wmf::render(wmf::read(b.bytes()).metafile, painter, QRectF(0, 0, 200, 200));
        painter.end();
        const QRect ink = inkBox(image);
        QVERIFY2(ink.height() >= capLow && ink.height() <= capHigh,
                 qPrintable(QStringLiteral("%1 at %2 dpi").arg(ink.height()).arg(dpi)));
    }
}

void TestMetafileText::textUpright_data()
{
    QTest::addColumn<bool>("flipped");
    QTest::newRow("y down") << false;
    QTest::newRow("y up") << true;
}

void TestMetafileText::textUpright()
{
    QFETCH(bool, flipped);
    Builder b = base(200);
    if (flipped)
        b.window(0, 200, 200, -200);
    b.font(-80)
        .select(0)
        .record(wmf::META_SETTEXTALIGN, {wmf::TA_BASELINE})
        .textOut(60, flipped ? 50 : 150, "T");
    const QImage image = text(b);
    const QRect ink = inkBox(image);
    QVERIFY(!ink.isEmpty());
    // The bar of the T is at the top.
    auto rowInk = [&](int y) {
        int n = 0;
        for (int x = ink.left(); x <= ink.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    QVERIFY(rowInk(ink.top() + 2) > 2 * rowInk(ink.bottom() - 2));
    // The baseline sits where the reference point maps to.
    QVERIFY2(std::abs(ink.bottom() - 149) <= 2, qPrintable(QString::number(ink.bottom())));
}

void TestMetafileText::textSpacingAndBoxes()
{
    // Character advances from the dx array.
    Builder spaced = base(200);
    spaced.font(-40).select(0).extTextOut(20, 50, "II", 0, {}, {120, 0});
    Builder natural = base(200);
    natural.font(-40).select(0).extTextOut(20, 50, "II");
    QVERIFY(inkBox(text(spaced)).width() > 110);
    QVERIFY(inkBox(text(natural)).width() < 40);
    Builder pairs = base(200);
    pairs.font(-40).select(0).extTextOut(20, 50, "II", wmf::ETO_PDY, {}, {120, 0, 0, 0});
    QVERIFY(inkBox(text(pairs)).width() > 110);

    // Glyph numbers are not characters: refused rather than drawn as the wrong letters.
    Builder glyphs = base(200);
    glyphs.font(-40).select(0).extTextOut(20, 50, "II", wmf::ETO_GLYPH_INDEX);
    wmf::RenderResult refused;
    paint(glyphs.bytes(), QSize(200, 200), &refused);
    QVERIFY(!refused.problems.isEmpty());

    // An opaque box is filled with the background colour, text or no text.
    Builder opaque = base(200);
    opaque.record(wmf::META_SETBKCOLOR, colorRef(Green))
        .extTextOut(0, 0, "", wmf::ETO_OPAQUE, QRect(10, 10, 70, 70));
    QCOMPARE(QColor(text(opaque).pixel(50, 50)), Green);

    // A clipped box cuts the text.
    Builder clipped = base(200);
    clipped.font(-120).select(0).extTextOut(0, 0, "HHHH", wmf::ETO_CLIPPED, QRect(0, 0, 40, 40));
    const QRect cut = inkBox(text(clipped));
    QVERIFY(!cut.isEmpty());
    QVERIFY(cut.right() < 41 && cut.bottom() < 41);

    // Opaque background mode fills behind the text; transparent does not.
    for (int mode : {wmf::OPAQUE, wmf::TRANSPARENT}) {
        Builder b = base(200);
        b.font(-40).select(0).record(wmf::META_SETBKCOLOR, colorRef(Red));
        b.record(wmf::META_SETBKMODE, {w(mode)}).record(wmf::META_SETTEXTCOLOR, colorRef(Blue));
        b.textOut(20, 20, "HHH");
        const QImage image = text(b);
        int red = 0, blue = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                red += near(QColor(image.pixel(x, y)), Red);
                blue += near(QColor(image.pixel(x, y)), Blue);
            }
        QVERIFY(blue > 50);
        QCOMPARE(red > 200, mode == wmf::OPAQUE);
    }
}

void TestMetafileText::escapement()
{
    // 90 degrees: the line of text runs up the page from the reference point.
    Builder b = base(200);
    b.font(-30, 900)
        .select(0)
        .record(wmf::META_SETTEXTALIGN, {wmf::TA_BASELINE})
        .textOut(100, 180, "HHHH");
    const QRect ink = inkBox(text(b));
    QVERIFY(ink.height() > 2 * ink.width());
    QVERIFY(ink.bottom() <= 182);
    QVERIFY(ink.right() <= 102);
}

QTEST_MAIN(TestMetafileText)
#include "tst_metafile_text.moc"
