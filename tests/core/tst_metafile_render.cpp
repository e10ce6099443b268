// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering needs fonts, so this test runs with a GUI application on the offscreen platform.
#include <QPainter>
#include <QTest>

#include <cmath>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "tst_metafile_builder.h"
#include "tst_metafile_paint.h"

using namespace wmftest;

using Probes = QVector<QPair<QPoint, QColor>>;
Q_DECLARE_METATYPE(Probes)

namespace
{

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
    QVERIFY2(read.ok(), qPrintable(read.error));
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
