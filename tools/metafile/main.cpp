// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-metafile render IN.wmf OUT.png [--dpi N]   the picture at its own size on white
// quorvel-metafile dump IN.wmf                       one line per record
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"
#include "metafile/wmfrecords.h"

namespace
{

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

int usage()
{
    err() << "usage: quorvel-metafile render IN.wmf OUT.png [--dpi N]\n"
             "       quorvel-metafile dump IN.wmf\n";
    err().flush();
    return 2;
}

bool load(const QString &path, wmf::ReadResult &result)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << path << ": " << file.errorString() << "\n";
        return false;
    }
    result = wmf::read(&file);
    if (!result.ok())
        err() << path << ": " << result.error << "\n";
    return true;
}

int dump(const QString &path)
{
    wmf::ReadResult r;
    if (!load(path, r))
        return 1;
    const wmf::Header &h = r.metafile.header;
    out() << "header placeable=" << (h.placeable ? "yes" : "no")
          << " checksum=" << (h.checksumOk ? "ok" : "bad") << " bounds=" << h.bounds.left() << ","
          << h.bounds.top() << " " << h.bounds.width() << "x" << h.bounds.height()
          << " units-per-inch=" << h.unitsPerInch << " version=0x" << QString::number(h.version, 16)
          << " objects=" << h.objectCount << "\n";
    for (const wmf::Record &rec : std::as_const(r.metafile.records)) {
        const char *name = wmf::functionName(rec.function);
        out() << QString::number(rec.offset).rightJustified(8) << "  "
              << (*name ? QString::fromLatin1(name)
                        : QStringLiteral("0x%1").arg(rec.function, 4, 16, QLatin1Char('0')))
              << " words=" << rec.params.size();
        const int shown = std::min<int>(rec.params.size(), 12);
        if (shown > 0)
            out() << " :";
        for (int i = 0; i < shown; ++i)
            out() << " " << static_cast<qint16>(rec.params[i]);
        if (shown < rec.params.size())
            out() << " ...";
        out() << "\n";
    }
    out() << "records=" << r.metafile.records.size() << "\n";
    out().flush();
    return r.ok() ? 0 : 1;
}

int render(const QString &in, const QString &outPath, double dpi)
{
    wmf::ReadResult r;
    if (!load(in, r))
        return 1;
    const QSize size = r.metafile.pixelSize(dpi);
    if (size.isEmpty()) {
        err() << in << ": the picture has no size\n";
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const wmf::RenderResult result = wmf::render(r.metafile, painter, QRectF(image.rect()));
    painter.end();
    for (const QString &p : result.problems)
        err() << in << ": " << p << "\n";
    if (!image.convertToFormat(QImage::Format_RGB32).save(outPath, "PNG")) {
        err() << outPath << ": cannot write the image\n";
        return 1;
    }
    err() << in << ": " << size.width() << "x" << size.height() << ", " << result.drawn
          << " records drawn, " << result.skipped << " skipped\n";
    return r.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    // The tool never shows a window; fonts still need a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("dump") && args.size() == 1)
        return dump(args[0]);
    if (command == QLatin1String("render") && (args.size() == 2 || args.size() == 4)) {
        double dpi = 96;
        if (args.size() == 4) {
            bool ok = false;
            dpi = args[3].toDouble(&ok);
            if (args[2] != QLatin1String("--dpi") || !ok || dpi <= 0 || dpi > 2400)
                return usage();
        }
        return render(args[0], args[1], dpi);
    }
    return usage();
}
