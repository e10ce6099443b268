// SPDX-License-Identifier: GPL-3.0-or-later
// contentgen: builds the program's content folders from the sources in content/.
//
//   contentgen <content dir> <output dir> [--only pictures|sounds|questions|pages]
//
// pictures   content/pictures/pictures.txt lists each picture: output path, SVG source, width,
//            height in pixels and optionally frames=N. Saved in the format the extension names.
// sounds     wav/<name>.wav for every synthesised effect.
// questions  content/multiple/*.txt (UTF-8) installed with CR LF line ends, in Windows-1252 when
//            every character fits; an installed catalogue (track.txt) is left as it is.
// pages      wmf/<page>.wmf and wmf2/<page>.wmf for every page source in content/pages.
//
// A folder content/<language> ("es", "pt_BR") holds the questions and pages of one language under
// the same names, and labels.txt, the words of the activity screens (with the questions); they are
// built into <output dir>/<language>/ and the program falls back to the English file for any it
// lacks. A language has no catalogue of its own.

#include "ansi.h"
#include "gifwriter.h"
#include "outputfile.h"
#include "pagecomposer.h"
#include "soundsynth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace
{

void complain(const QString &message)
{
    std::fprintf(stderr, "contentgen: %s\n", qPrintable(message));
}

bool writeFileReporting(const QString &path, const QByteArray &bytes)
{
    if (writeIfChanged(path, bytes))
        return true;
    complain(QStringLiteral("cannot write %1").arg(path));
    return false;
}

bool saveImage(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString error;
    if (suffix == QLatin1String("gif")) {
        if (!writeGif(image, path, &error)) {
            complain(QStringLiteral("%1: %2").arg(path, error));
            return false;
        }
        return true;
    }
    QImageWriter writer(path, suffix.toLatin1());
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        writer.setQuality(92);
    const QImage out = suffix == QLatin1String("bmp") ? image.convertToFormat(QImage::Format_RGB888)
                                                      : image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(out)) {
        complain(QStringLiteral("%1: %2").arg(path, writer.errorString()));
        return false;
    }
    return true;
}

QImage renderSvg(const QByteArray &svg, QSize size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

bool buildPictures(const QDir &content, const QDir &out)
{
    const QString manifestPath = content.filePath(QStringLiteral("pictures/pictures.txt"));
    QFile manifest(manifestPath);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        complain(QStringLiteral("cannot read %1").arg(manifestPath));
        return false;
    }
    bool ok = true;
    int lineNo = 0;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        ++lineNo;
        const QString line = in.readLine().section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool wOk = false, hOk = false;
        const int width = f.value(2).toInt(&wOk);
        const int height = f.value(3).toInt(&hOk);
        int frames = 0;
        if (f.size() == 5 && f[4].startsWith(QLatin1String("frames=")))
            frames = f[4].mid(7).toInt();
        if (f.size() < 4 || !wOk || !hOk || width <= 0 || height <= 0 || width > 8000 ||
            height > 8000 || (f.size() == 5 && frames <= 0) || f.size() > 5) {
            complain(QStringLiteral("%1:%2: expected <output> <svg> <width> <height> [frames=N]")
                         .arg(manifestPath)
                         .arg(lineNo));
            ok = false;
            continue;
        }
        QFile source(content.filePath(QStringLiteral("pictures/") + f[1]));
        if (!source.open(QIODevice::ReadOnly)) {
            complain(
                QStringLiteral("%1:%2: cannot read %3").arg(manifestPath).arg(lineNo).arg(f[1]));
            ok = false;
            continue;
        }
        const QByteArray svg = source.readAll();
        const int count = frames > 0 ? frames : 1;
        for (int i = 0; i < count; ++i) {
            QByteArray text = svg;
            QString output = f[0];
            if (frames > 0) {
                const double phase = static_cast<double>(i) / frames;
                text.replace("@PHASE@", QByteArray::number(phase, 'f', 6));
                text.replace("@ANGLE@", QByteArray::number(360.0 * phase, 'f', 4));
                output = QString::asprintf(qPrintable(f[0]), i);
            }
            const QImage image = renderSvg(text, QSize(width, height));
            if (image.isNull()) {
                complain(QStringLiteral("%1: not a drawable SVG").arg(f[1]));
                ok = false;
                break;
            }
            ok = saveImage(image, out.filePath(output)) && ok;
        }
        // The drawing itself goes beside a still picture, for screens that show it larger than
        // the picture is made (full screen on a 4K board).
        if (frames == 0) {
            const QFileInfo made(out.filePath(f[0]));
            QFile copy(made.dir().filePath(made.completeBaseName() + QStringLiteral(".svg")));
            if (!copy.open(QIODevice::WriteOnly) || copy.write(svg) != svg.size()) {
                complain(QStringLiteral("%1: %2").arg(copy.fileName(), copy.errorString()));
                ok = false;
            }
        }
    }
    return ok;
}

bool buildSounds(const QDir &out)
{
    bool ok = true;
    for (const QString &name : soundsynth::soundNames()) {
        const QVector<qint16> samples = soundsynth::synthesise(name);
        ok = writeFileReporting(out.filePath(QStringLiteral("wav/%1.wav").arg(name)),
                                soundsynth::wavFile(samples)) &&
             ok;
    }
    return ok;
}

bool buildQuestions(const QDir &content, const QDir &out, bool withCatalogue = true)
{
    const QDir source(content.filePath(QStringLiteral("multiple")));
    bool ok = true;
    for (const QString &name : source.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile in(source.filePath(name));
        if (!in.open(QIODevice::ReadOnly)) {
            complain(QStringLiteral("cannot read %1").arg(in.fileName()));
            ok = false;
            continue;
        }
        // Sources are UTF-8; installed files are Windows-1252 as long as every character fits.
        QByteArray bytes = ansi::encodeFile(QString::fromUtf8(in.readAll()));
        bytes.replace("\r\n", "\n");
        bytes.replace("\n", "\r\n");
        if (!withCatalogue && name == QLatin1String("track.txt"))
            continue;
        const QString target = out.filePath(QStringLiteral("multiple/") + name);
        // The catalogue is the teacher's from the moment it is installed: never overwrite it.
        if (name == QLatin1String("track.txt") && QFileInfo::exists(target))
            continue;
        ok = writeFileReporting(target, bytes) && ok;
    }
    return ok;
}

// The folders of content holding another language than English.
QStringList languages(const QDir &content)
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    QStringList found;
    for (const QString &name : content.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (code.match(name).hasMatch())
            found << name;
    }
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen: the tool renders pictures but never opens a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 && !(args.size() == 5 && args[3] == QLatin1String("--only"))) {
        std::fprintf(stderr, "usage: contentgen <content dir> <output dir> "
                             "[--only pictures|sounds|questions|pages]\n");
        return 2;
    }
    const QDir content(args[1]);
    const QDir out(args[2]);
    const QString only = args.size() == 5 ? args[4] : QString();
    const auto wanted = [&](const char *part) {
        return only.isEmpty() || only == QLatin1String(part);
    };

    bool ok = true;
    if (wanted("pictures"))
        ok = buildPictures(content, out) && ok;
    if (wanted("sounds"))
        ok = buildSounds(out) && ok;
    if (wanted("questions")) {
        ok = buildQuestions(content, out) && ok;
        for (const QString &language : languages(content)) {
            const QDir source(content.filePath(language));
            if (source.exists(QStringLiteral("multiple")))
                ok = buildQuestions(source, QDir(out.filePath(language)), false) && ok;
            // The activity screens' words (ActivityLabels), read as they are.
            QFile labels(source.filePath(QStringLiteral("labels.txt")));
            if (labels.open(QIODevice::ReadOnly))
                ok = writeFileReporting(out.filePath(language + QStringLiteral("/labels.txt")),
                                        labels.readAll()) &&
                     ok;
        }
    }
    if (wanted("pages")) {
        QStringList problems;
        ok = composer::buildPages(content, out, &problems) && ok;
        for (const QString &language : languages(content)) {
            const QDir source(content.filePath(language));
            if (source.exists(QStringLiteral("pages")))
                ok = composer::buildPages(source, QDir(out.filePath(language)), &problems,
                                          content.filePath(QStringLiteral("pictures"))) &&
                     ok;
        }
        for (const QString &p : problems)
            complain(p);
    }
    return ok ? 0 : 1;
}
