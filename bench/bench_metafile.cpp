// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and drawing one page-sized metafile: a teacher's page at the screen size the page
// viewer shows it (10485 x 11955 twips at 96 dpi), with a heading, forty lines of spaced body
// text, shapes and a picture. Target: read plus draw under 8 ms.
//
//   QT_QPA_PLATFORM=offscreen ./bench_metafile [iterations]
//   QT_QPA_PLATFORM=offscreen ./bench_metafile slow [cap bytes]
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <vector>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "tst_metafile_builder.h"

using namespace wmftest;

static QByteArray pageMetafile()
{
    Builder b;
    b.placeable(QRect(0, 0, 10485, 11955), 1440).window(0, 0, 10485, 11955);
    b.record(wmf::META_SETBKMODE, {wmf::TRANSPARENT});
    b.pen(wmf::PS_SOLID, 15, QColor(39, 63, 137)).select(0);
    b.brush(wmf::BS_SOLID, QColor(255, 255, 220)).select(1);
    b.record(wmf::META_ROUNDRECT, {300, 300, 11800, 10400, 100, 100});
    b.font(-480, 0, wmf::ANSI_CHARSET, "Arial", wmf::FW_BOLD).select(2);
    b.record(wmf::META_SETTEXTALIGN, {wmf::TA_BASELINE | wmf::TA_CENTER});
    b.textOut(5242, 900, "Magnets and what they attract");
    b.font(-240, 0, wmf::ANSI_CHARSET, "Times New Roman").select(3);
    b.record(wmf::META_SETTEXTALIGN, {wmf::TA_BASELINE});
    const QByteArray line =
        "A magnet pulls things made of iron or steel towards it, even through paper.";
    Words dx;
    for (int i = 0; i < line.size(); ++i)
        dx.append(w(line.at(i) == ' ' ? 60 : 110));
    for (int i = 0; i < 40; ++i)
        b.extTextOut(600, 1500 + i * 220, line, 0, {}, dx);
    b.brush(wmf::BS_SOLID, QColor(200, 30, 30)).select(4);
    b.rectangle(7000, 9500, 9800, 10200).record(wmf::META_ELLIPSE, {11500, 2500, 10300, 600});
    Words poly{20};
    for (int i = 0; i < 20; ++i)
        poly += Words{w(3000 + i * 200), w(10600 + (i % 2) * 300)};
    b.record(wmf::META_POLYLINE, poly);
    QImage picture(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, 128));
    b.record(wmf::META_STRETCHDIB, Words{0x20, 0xCC, 0, 150, 200, 0, 0, 1500, 2000, 10300, 4000} +
                                       bytesToWords(dib(picture, 24, false)));
    return b.bytes();
}

// Read and draw once at the page viewer's size; the time in ms and what the renderer said.
static void timeSlowFile(const char *name, const QByteArray &bytes)
{
    QElapsedTimer t;
    t.start();
    const wmf::ReadResult r = wmf::read(bytes);
    const qint64 readMs = t.elapsed();
    QImage image(r.metafile.pixelSize(96), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const wmf::RenderResult drawn = wmf::render(r.metafile, painter, QRectF(image.rect()));
    painter.end();
    QTextStream(stdout) << name << ": " << bytes.size() << " bytes, " << r.metafile.records.size()
                        << " records, read " << readMs << " ms, drawn in " << t.elapsed() - readMs
                        << " ms: " << drawn.drawn << ", "
                        << drawn.problems.join(QStringLiteral("; ")) << "\n";
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // "slow": the font and polygon floods at the 32 MB cap and at 1 MB (target: about a second).
    if (argc > 2 && QByteArray(argv[1]) == "polygon") {
        const int points = atoi(argv[2]);
        const qint64 bytes = argc > 3 ? atoll(argv[3]) : 200 + 2 * (4 + 2 * points);
        timeSlowFile("polygons", polygonFlood(bytes, points));
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "slow") {
        const qint64 cap = argc > 2 ? atoll(argv[2]) : 32 * 1024 * 1024;
        timeSlowFile("font flood, one size, 1 MB", fontFlood(1024 * 1024, 1));
        timeSlowFile("font flood, every size new, 1 MB", fontFlood(1024 * 1024, 30000));
        timeSlowFile("polygon flood, 1 MB", polygonFlood(1024 * 1024));
        timeSlowFile("font flood, one size, cap", fontFlood(cap, 1));
        timeSlowFile("font flood, every size new, cap", fontFlood(cap, 30000));
        timeSlowFile("polygon flood, cap", polygonFlood(cap));
        return 0;
    }
    const int iterations = argc > 1 ? std::max(1, atoi(argv[1])) : 100;
    const QByteArray bytes = pageMetafile();
    const QSize size = wmf::read(bytes).metafile.pixelSize(96);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);

    std::vector<double> readMs, drawMs, totalMs;
    for (int i = 0; i < iterations + 5; ++i) {
        QElapsedTimer t;
        t.start();
        const wmf::ReadResult r = wmf::read(bytes);
        const qint64 afterRead = t.nsecsElapsed();
        image.fill(Qt::white);
        QPainter painter(&image);
        wmf::render(r.metafile, painter, QRectF(image.rect()));
        painter.end();
        const qint64 total = t.nsecsElapsed();
        if (i < 5)
            continue; // warm-up: font loading and caches
        readMs.push_back(afterRead / 1e6);
        drawMs.push_back((total - afterRead) / 1e6);
        totalMs.push_back(total / 1e6);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    QTextStream out(stdout);
    out << "page metafile: " << bytes.size() << " bytes, " << size.width() << "x" << size.height()
        << " pixels, " << iterations << " runs\n";
    out << "read   median " << median(readMs) << " ms\n";
    out << "draw   median " << median(drawMs) << " ms\n";
    out << "total  median " << median(totalMs) << " ms (target under 8 ms)\n";
    return 0;
}
