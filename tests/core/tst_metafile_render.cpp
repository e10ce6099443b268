// Rendering needs fonts, so this test runs with a GUI application on the offscreen platform.
#include <QPainter>
#include <QTest>

#include <cmath>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "tst_metafile_builder.h"

using namespace wmftest;

using Probes = QVector<QPair<QPoint, QColor>>;
Q_DECLARE_METATYPE(Probes)

namespace
{

const QColor Background(128, 128, 128);
const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255), Yellow(255, 255, 0);

// A 100 x 100 unit picture whose window matches its bounds.
Builder base(int size = 100)
{
    Builder b;
    b.placeable(QRect(0, 0, size, size), 96).window(0, 0, size, size);
    return b;
}

QImage paint(const QByteArray &bytes, QSize size = QSize(100, 100),
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

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

// Bounding box of the pixels clearly darker than the white background.
QRect inkBox(const QImage &image, int *inkCount = nullptr)
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

QImage text(const Builder &records, QSize size = QSize(200, 200))
{
    const wmf::ReadResult r = wmf::read(records.bytes());
    return wmf::renderToImage(r.metafile, size, Qt::white);
}

Words rop(quint32 op)
{
    return {w(op & 0xFFFF), w(op >> 16)};
}

QImage fourColours(int side = 2)
{
    QImage img(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            img.setPixel(
                x, y,
                (y < side / 2 ? (x < side / 2 ? Red : Green) : (x < side / 2 ? Blue : Yellow))
                    .rgb());
    return img;
}

// Pen-less solid brush selected in slots 0 and 1.
Builder solid(QColor c, int size = 100)
{
    Builder b = base(size);
    b.pen(wmf::PS_NULL, 0, Qt::black).select(0).brush(wmf::BS_SOLID, c).select(1);
    return b;
}

} // namespace

class TestMetafileRender : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scene_data();
    void scene();
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
    void renderToImageSize();
};

void TestMetafileRender::scene_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Probes>("probes");
    QTest::addColumn<bool>("expectProblem");

    const QColor bg = Background;
    auto row = [](const char *name, const Builder &b, const Probes &p, bool problem = false) {
        QTest::newRow(name) << b.bytes() << p << problem;
    };

    // Shapes.
    row("rectangle", solid(Red).rectangle(20, 20, 80, 80),
        {{{50, 50}, Red}, {{10, 10}, bg}, {{90, 90}, bg}});
    row("ellipse", solid(Red).record(wmf::META_ELLIPSE, {100, 100, 0, 0}),
        {{{50, 50}, Red}, {{3, 3}, bg}, {{96, 96}, bg}});
    row("rounded rectangle", solid(Red).record(wmf::META_ROUNDRECT, {60, 60, 100, 100, 0, 0}),
        {{{50, 50}, Red}, {{50, 2}, Red}, {{2, 2}, bg}});
    row("polygon", solid(Red).record(wmf::META_POLYGON, {3, 0, 0, 100, 0, 0, 100}),
        {{{20, 20}, Red}, {{80, 80}, bg}});
    Words star{5};
    for (int k = 0; k < 5; ++k) {
        const double a = (-90 + k * 144) * M_PI / 180;
        star += Words{w(std::lround(50 + 45 * std::cos(a))), w(std::lround(50 + 45 * std::sin(a)))};
    }
    row("star, alternate fill leaves the centre", solid(Red).record(wmf::META_POLYGON, star),
        {{{50, 50}, bg}, {{50, 12}, Red}});
    row("star, winding fill covers the centre",
        solid(Red)
            .record(wmf::META_SETPOLYFILLMODE, {wmf::WINDING})
            .record(wmf::META_POLYGON, star),
        {{{50, 50}, Red}, {{50, 12}, Red}});
    const Words nested{2, 4, 4, 0, 0, 100, 0, 100, 100, 0, 100, 30, 30, 70, 30, 70, 70, 30, 70};
    row("poly-polygon, alternate makes a hole", solid(Red).record(wmf::META_POLYPOLYGON, nested),
        {{{10, 10}, Red}, {{50, 50}, bg}});
    row("poly-polygon, winding fills the hole",
        solid(Red)
            .record(wmf::META_SETPOLYFILLMODE, {wmf::WINDING})
            .record(wmf::META_POLYPOLYGON, nested),
        {{{10, 10}, Red}, {{50, 50}, Red}});
    row("polyline",
        base()
            .pen(wmf::PS_SOLID, 10, Red)
            .select(0)
            .record(wmf::META_POLYLINE, {2, 0, 50, 100, 50}),
        {{{50, 50}, Red}, {{50, 20}, bg}});
    row("move and line",
        base()
            .pen(wmf::PS_SOLID, 10, Red)
            .select(0)
            .record(wmf::META_MOVETO, {50, 0})
            .record(wmf::META_LINETO, {50, 100}),
        {{{50, 50}, Red}, {{50, 20}, bg}});
    row("inside-frame pen stays within the shape",
        base()
            .pen(wmf::PS_INSIDEFRAME, 20, Qt::black)
            .select(0)
            .brush(wmf::BS_SOLID, Red)
            .select(1)
            .rectangle(0, 0, 100, 100),
        {{{15, 15}, Qt::black}, {{50, 50}, Red}});
    row("solid pen is centred on the outline",
        base()
            .pen(wmf::PS_SOLID, 20, Qt::black)
            .select(0)
            .brush(wmf::BS_SOLID, Red)
            .select(1)
            .rectangle(0, 0, 100, 100),
        {{{5, 5}, Qt::black}, {{15, 15}, Red}});
    {
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(Green);
        row("bitmap pattern brush",
            base()
                .pen(wmf::PS_NULL, 0, Qt::black)
                .select(0)
                .record(wmf::META_DIBCREATEPATTERNBRUSH,
                        Words{wmf::BS_DIBPATTERN, wmf::DIB_RGB_COLORS} +
                            bytesToWords(dib(tile, 24, false)))
                .select(1)
                .rectangle(20, 20, 80, 80),
            {{{50, 50}, Green}, {{10, 10}, Background}});
    }
    row("null pen draws no line",
        base()
            .pen(wmf::PS_NULL, 10, Red)
            .select(0)
            .record(wmf::META_MOVETO, {50, 0})
            .record(wmf::META_LINETO, {50, 100}),
        {{{50, 50}, bg}});
    row("pie runs counter-clockwise",
        solid(Red).record(wmf::META_PIE, {0, 50, 50, 100, 100, 100, 0, 0}),
        {{{70, 30}, Red}, {{30, 30}, bg}, {{30, 70}, bg}, {{70, 70}, bg}});
    row("chord", solid(Red).record(wmf::META_CHORD, {0, 50, 50, 100, 100, 100, 0, 0}),
        {{{85, 20}, Red}, {{60, 30}, bg}});
    row("arc is an outline only",
        base()
            .pen(wmf::PS_SOLID, 6, Red)
            .select(0)
            .record(wmf::META_ARC, {10, 50, 50, 90, 90, 90, 10, 10}),
        {{{78, 22}, Red}, {{50, 90}, bg}, {{50, 50}, bg}});
    row("arc with equal ends is a full ellipse",
        base()
            .pen(wmf::PS_SOLID, 6, Red)
            .select(0)
            .record(wmf::META_ARC, {50, 90, 50, 90, 90, 90, 10, 10}),
        {{{50, 90}, Red}, {{10, 50}, Red}, {{50, 50}, bg}});
    row("set pixel", base().record(wmf::META_SETPIXEL, colorRef(Red) + Words{50, 50}),
        {{{50, 50}, Red}, {{52, 52}, bg}});
    row("pattern blit with the brush",
        solid(Red).record(wmf::META_PATBLT, rop(wmf::PATCOPY) + Words{60, 60, 20, 20}),
        {{{50, 50}, Red}, {{10, 10}, bg}});

    // Mapping.
    auto mapped = [](Builder b) {
        return b.brush(wmf::BS_SOLID, Red).select(0).rectangle(0, 0, 50, 50);
    };
    row("window equals bounds", mapped(base()), {{{25, 25}, Red}, {{75, 75}, bg}});
    row("negative y extent flips vertically", mapped(base().window(0, 100, 100, -100)),
        {{{25, 75}, Red}, {{25, 25}, bg}});
    row("negative x extent flips horizontally", mapped(base().window(100, 0, -100, 100)),
        {{{75, 25}, Red}, {{25, 25}, bg}});
    row("larger window shrinks", mapped(base().window(0, 0, 200, 200)),
        {{{12, 12}, Red}, {{37, 37}, bg}});
    row("viewport origin moves", mapped(base().record(wmf::META_SETVIEWPORTORG, {50, 50})),
        {{{75, 75}, Red}, {{25, 25}, bg}});
    row("viewport extent scales", mapped(base().record(wmf::META_SETVIEWPORTEXT, {50, 50})),
        {{{12, 12}, Red}, {{37, 37}, bg}});
    row("offset window origin", mapped(base().record(wmf::META_OFFSETWINDOWORG, {0, w(-50)})),
        {{{75, 25}, Red}, {{25, 25}, bg}});
    row("scale window extent", mapped(base().record(wmf::META_SCALEWINDOWEXT, {1, 2, 1, 2})),
        {{{12, 12}, Red}, {{37, 37}, bg}});
    row("isotropic keeps the aspect",
        mapped(base().record(wmf::META_SETMAPMODE, {wmf::MM_ISOTROPIC}).window(0, 0, 100, 200)),
        {{{12, 12}, Red}, {{12, 37}, bg}, {{37, 12}, bg}});
    row("anisotropic stretches",
        mapped(base().record(wmf::META_SETMAPMODE, {wmf::MM_ANISOTROPIC}).window(0, 0, 100, 200)),
        {{{40, 12}, Red}, {{12, 37}, bg}});
    row("text mode ignores extents",
        mapped(base().record(wmf::META_SETMAPMODE, {wmf::MM_TEXT}).window(0, 0, 200, 200)),
        {{{40, 40}, Red}, {{60, 60}, bg}});
    {
        Builder b;
        b.placeable(QRect(0, 0, 1440, 1440), 1440).record(wmf::META_SETMAPMODE, {wmf::MM_TWIPS});
        b.brush(wmf::BS_SOLID, Red).select(0).rectangle(0, -720, 720, 0);
        row("twips mode has y upwards", b, {{{25, 25}, Red}, {{25, 75}, bg}});
    }
    row("zero extent is refused", mapped(base().record(wmf::META_SETWINDOWEXT, {0, 100})),
        {{{25, 25}, Red}, {{75, 75}, bg}}, true);

    // The object table.
    row("new object takes the lowest free slot",
        base()
            .pen(wmf::PS_NULL, 0, Qt::black)
            .select(0)
            .brush(wmf::BS_SOLID, Red)
            .brush(wmf::BS_SOLID, Green)
            .remove(1)
            .brush(wmf::BS_SOLID, Blue)
            .select(1)
            .rectangle(0, 0, 100, 100),
        {{{50, 50}, Blue}});
    row("select of a deleted object is refused",
        solid(Red).brush(wmf::BS_SOLID, Green).remove(2).select(2).rectangle(0, 0, 100, 100),
        {{{50, 50}, Red}}, true);
    row("deleting the selected brush keeps it in use",
        solid(Red).remove(1).rectangle(0, 0, 100, 100), {{{50, 50}, Red}});
    row("placeholder keeps its slot",
        base()
            .pen(wmf::PS_NULL, 0, Qt::black)
            .select(0)
            .record(wmf::META_CREATEPALETTE, {0x300, 1, 0, 0})
            .brush(wmf::BS_SOLID, Green)
            .select(2)
            .rectangle(0, 0, 100, 100),
        {{{50, 50}, Green}});
    row("index out of range is refused",
        base()
            .pen(wmf::PS_NULL, 0, Qt::black)
            .select(0)
            .select(700)
            .select(65535)
            .rectangle(0, 0, 100, 100),
        {{{50, 50}, Qt::white}}, true);

    // Saved states.
    row("restore brings back the brush",
        solid(Red)
            .record(wmf::META_SAVEDC)
            .brush(wmf::BS_SOLID, Green)
            .select(2)
            .record(wmf::META_RESTOREDC, {w(-1)})
            .rectangle(0, 0, 100, 100),
        {{{50, 50}, Red}});
    row("restore to an absolute level",
        solid(Red)
            .record(wmf::META_SAVEDC)
            .brush(wmf::BS_SOLID, Green)
            .select(2)
            .record(wmf::META_SAVEDC)
            .brush(wmf::BS_SOLID, Blue)
            .select(3)
            .record(wmf::META_RESTOREDC, {1})
            .rectangle(0, 0, 100, 100),
        {{{50, 50}, Red}});
    row("restore of a state never saved is refused",
        solid(Red).record(wmf::META_RESTOREDC, {w(-1)}).rectangle(0, 0, 100, 100),
        {{{50, 50}, Red}}, true);
    row("restore brings back the mapping",
        solid(Red)
            .record(wmf::META_SAVEDC)
            .window(0, 0, 400, 400)
            .record(wmf::META_RESTOREDC, {w(-1)})
            .rectangle(0, 0, 50, 50),
        {{{40, 40}, Red}, {{60, 60}, bg}});

    // Clipping.
    row("intersect clip rectangle",
        solid(Red).record(wmf::META_INTERSECTCLIPRECT, {100, 50, 0, 0}).rectangle(0, 0, 100, 100),
        {{{25, 50}, Red}, {{75, 50}, bg}});
    row("exclude clip rectangle",
        solid(Red).record(wmf::META_EXCLUDECLIPRECT, {100, 50, 0, 0}).rectangle(0, 0, 100, 100),
        {{{25, 50}, bg}, {{75, 50}, Red}});
    row("restore drops the clip",
        solid(Red)
            .record(wmf::META_SAVEDC)
            .record(wmf::META_INTERSECTCLIPRECT, {100, 50, 0, 0})
            .record(wmf::META_RESTOREDC, {w(-1)})
            .rectangle(0, 0, 100, 100),
        {{{75, 50}, Red}});
    row("selecting no region drops the clip",
        solid(Red)
            .record(wmf::META_INTERSECTCLIPRECT, {100, 50, 0, 0})
            .record(wmf::META_SELECTCLIPREGION, {0})
            .rectangle(0, 0, 100, 100),
        {{{75, 50}, Red}});
    row("offset clip region",
        solid(Red)
            .record(wmf::META_INTERSECTCLIPRECT, {100, 50, 0, 0})
            .record(wmf::META_OFFSETCLIPRGN, {0, 50})
            .rectangle(0, 0, 100, 100),
        {{{25, 50}, bg}, {{75, 50}, Red}});

    row("escape records are passed over quietly",
        solid(Red).record(wmf::META_ESCAPE, {15, 4, 0x1234, 0x5678}).rectangle(0, 0, 100, 100),
        {{{50, 50}, Red}});
    row("unknown record is reported", solid(Red).record(0x0999, {1, 2}).rectangle(0, 0, 100, 100),
        {{{50, 50}, Red}}, true);

    // Bitmaps: a 2 x 2 picture (two colours for one bit a pixel) stretched over the frame.
    for (int bpp : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            const QImage pixels = bpp == 1
                                      ? QImage(fourColours()).convertToFormat(QImage::Format_RGB32)
                                      : fourColours();
            QImage two = pixels;
            if (bpp == 1) {
                two.setPixel(1, 0, Blue.rgb());
                two.setPixel(1, 1, Red.rgb());
                two.setPixel(0, 1, Blue.rgb());
            }
            const Words bits = bytesToWords(dib(two, bpp, topDown));
            const Probes p{{{25, 25}, QColor(two.pixel(0, 0))},
                           {{75, 25}, QColor(two.pixel(1, 0))},
                           {{25, 75}, QColor(two.pixel(0, 1))},
                           {{75, 75}, QColor(two.pixel(1, 1))}};
            const char *order = topDown ? "top-down" : "bottom-up";
            QTest::addRow("StretchDIB, %d bits, %s", bpp, order)
                << base()
                       .record(wmf::META_STRETCHDIB,
                               rop(wmf::SRCCOPY) + Words{0, 2, 2, 0, 0, 100, 100, 0, 0} + bits)
                       .bytes()
                << p << false;
            QTest::addRow("DIBStretchBlt, %d bits, %s", bpp, order)
                << base()
                       .record(wmf::META_DIBSTRETCHBLT,
                               rop(wmf::SRCCOPY) + Words{2, 2, 0, 0, 100, 100, 0, 0} + bits)
                       .bytes()
                << p << false;
            QTest::addRow("DIBBitBlt, %d bits, %s", bpp, order)
                << base(2)
                       .record(wmf::META_DIBBITBLT,
                               rop(wmf::SRCCOPY) + Words{0, 0, 2, 2, 0, 0} + bits)
                       .bytes()
                << p << false;
        }
    }
    for (bool topDown : {false, true}) {
        // The source's y counts from the bottom row in a bottom-up bitmap.
        const Words bits = bytesToWords(dib(fourColours(4), 24, topDown));
        QTest::addRow("source corner of a %s bitmap", topDown ? "top-down" : "bottom-up")
            << base()
                   .record(wmf::META_STRETCHDIB,
                           rop(wmf::SRCCOPY) + Words{0, 2, 2, 0, 2, 100, 100, 0, 0} + bits)
                   .bytes()
            << Probes{{{50, 50}, topDown ? Green : Yellow}} << false;
    }
    QTest::newRow("negative destination width mirrors")
        << base()
               .record(wmf::META_DIBSTRETCHBLT, rop(wmf::SRCCOPY) +
                                                    Words{2, 2, 0, 0, 100, w(-100), 0, 100} +
                                                    bytesToWords(dib(fourColours(), 24, false)))
               .bytes()
        << Probes{{{25, 25}, Green}, {{75, 25}, Red}} << false;
    QTest::newRow("bitmap-less blit fills black")
        << base()
               .record(wmf::META_DIBBITBLT, rop(wmf::BLACKNESS) + Words{0, 0, 0, 50, 50, 0, 0})
               .bytes()
        << Probes{{{25, 25}, Qt::black}, {{75, 75}, bg}} << false;
}

void TestMetafileRender::scene()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Probes, probes);
    QFETCH(bool, expectProblem);

    const wmf::ReadResult read = wmf::read(bytes);
    QVERIFY2(read.ok, qPrintable(read.error));
    wmf::RenderResult result;
    const QImage image = paint(bytes, QSize(100, 100), &result);
    for (const auto &[at, colour] : probes) {
        const QColor seen(image.pixel(at));
        QVERIFY2(near(seen, colour), qPrintable(QStringLiteral("at %1,%2: %3, expected %4")
                                                    .arg(at.x())
                                                    .arg(at.y())
                                                    .arg(seen.name(), colour.name())));
    }
    QCOMPARE(!result.problems.isEmpty(), expectProblem);
    QCOMPARE(result.drawn + result.skipped, read.metafile.records.size());
}

void TestMetafileRender::opaqueBackground_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("opaque fills the gaps") << int(wmf::OPAQUE);
    QTest::newRow("transparent leaves the gaps") << int(wmf::TRANSPARENT);
}

void TestMetafileRender::opaqueBackground()
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

void TestMetafileRender::textAlign_data()
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

void TestMetafileRender::textAlign()
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

void TestMetafileRender::updateCurrentPosition_data()
{
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("x");
    QTest::newRow("left: the position moves past the text") << int(wmf::TA_LEFT) << 20;
    QTest::newRow("right: the position moves to the text's start") << int(wmf::TA_RIGHT) << 180;
}

void TestMetafileRender::updateCurrentPosition()
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

void TestMetafileRender::fontHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("capLow");
    QTest::addColumn<double>("capHigh");
    // A negative height is the em size; a positive one the cell (ascent plus descent), so the
    // same number gives smaller letters.
    QTest::newRow("negative: character height") << -60 << 41.0 << 47.0;
    QTest::newRow("positive: cell height") << 60 << 35.0 << 41.0;
}

void TestMetafileRender::fontHeight()
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

void TestMetafileRender::textUpright_data()
{
    QTest::addColumn<bool>("flipped");
    QTest::newRow("y down") << false;
    QTest::newRow("y up") << true;
}

void TestMetafileRender::textUpright()
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

void TestMetafileRender::textSpacingAndBoxes()
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

void TestMetafileRender::escapement()
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

void TestMetafileRender::renderToImageSize()
{
    const wmf::Metafile mf = wmf::read(solid(Red).rectangle(0, 0, 100, 100).bytes()).metafile;
    const QImage image = wmf::renderToImage(mf, QSize(40, 30));
    QCOMPARE(image.size(), QSize(40, 30));
    QCOMPARE(QColor(image.pixel(39, 29)), Red);
    QVERIFY(wmf::renderToImage(mf, QSize(0, 10)).isNull());

    // Drawing stays inside the target, even where the records reach beyond the bounds.
    const wmf::Metafile spill =
        wmf::read(solid(Red, 50).rectangle(-100, -100, 200, 200).bytes()).metafile;
    QImage canvas(100, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Background);
    QPainter painter(&canvas);
    wmf::render(spill, painter, QRectF(25, 25, 50, 50));
    painter.end();
    QCOMPARE(QColor(canvas.pixel(50, 50)), Red);
    QCOMPARE(QColor(canvas.pixel(10, 10)), Background);
    QCOMPARE(QColor(canvas.pixel(90, 90)), Background);
    QVERIFY(wmf::renderToImage(mf, QSize(wmf::MaxPixelSide + 1, 10)).isNull());
}

QTEST_MAIN(TestMetafileRender)
#include "tst_metafile_render.moc"
