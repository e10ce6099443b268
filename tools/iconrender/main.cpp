// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-iconrender: renders the application icon's SVG into the PNG sizes of the hicolor theme.
//
//   quorvel-iconrender <icon.svg> <output dir> <size>...
//
// Writes <output dir>/<size>x<size>/apps/<svg base name>.png for every size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: quorvel-iconrender <icon.svg> <output dir> <size>...\n");
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "quorvel-iconrender: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName() + QStringLiteral(".png");
    for (const QString &sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "quorvel-iconrender: bad size %s\n", qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QDir folder(args.at(2) + QStringLiteral("/%1x%1/apps").arg(size));
        if (!QDir().mkpath(folder.path()) || !image.save(folder.filePath(name), "PNG")) {
            std::fprintf(stderr, "quorvel-iconrender: cannot write %s\n",
                         qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
