// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace
{

// Reads a picture in the format its file name names. Without a format, Qt asks every image plugin
// whether it can read a file whose suffix none of them claims before it tries its own built-in
// readers, as for BMP: that loads every plugin and the libraries behind them (TIFF, WebP, MNG…),
// about 12 ms at the first BMP picture. A file whose contents are not what its name says is read
// again with Qt's own detection.
QImage readWith(QImageReader &reader, const QSize &pixels)
{
    if (pixels.isValid() && reader.size().isValid() && reader.size() != pixels)
        reader.setScaledSize(pixels);
    return reader.read();
}

// Asking a reader for the picture's format without letting it detect one: with detection on, a
// format that is given still has every plugin loaded in turn until one claims it.
void readOnlyAsNamed(QImageReader &reader, const QString &file)
{
    reader.setFileName(file);
    reader.setFormat(QFileInfo(file).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
}

QImage readAs(const QString &file, const QSize &pixels)
{
    QImageReader named;
    readOnlyAsNamed(named, file);
    QImage image = readWith(named, pixels);
    if (image.isNull()) {
        QImageReader detecting(file);
        image = readWith(detecting, pixels);
    }
    return image;
}

// A picture shown larger than its file (full screen on a 4K board) is drawn from the drawing it
// was made from, shipped beside it as NAME.svg, rather than stretched: the SVG reader is loaded
// only then. The reader lays the drawing on white, as the pictures were made, so that no second
// picture of that size is made for it.
QImage drawnLarger(const QString &file, const QSize &pixels)
{
    const QFileInfo info(file);
    const QString drawing = info.dir().filePath(info.completeBaseName() + QStringLiteral(".svg"));
    if (!QFileInfo::exists(drawing))
        return {};
    QImageReader named;
    readOnlyAsNamed(named, file);
    QSize own = named.size();
    if (!own.isValid())
        own = QImageReader(file).size(); // contents of another format than its name says
    if (!own.isValid() || (own.width() >= pixels.width() && own.height() >= pixels.height()))
        return {};
    QImageReader reader;
    readOnlyAsNamed(reader, drawing);
    reader.setScaledSize(pixels);
    reader.setBackgroundColor(Qt::white);
    QImage drawn = reader.read();
    if (drawn.isNull())
        return {};
    drawn.convertTo(QImage::Format_RGB32); // in place: on white, every pixel is opaque
    return drawn;
}

} // namespace

QImage ContentPaths::picture(const QString &contentName) const
{
    const QString file = path(contentName);
    if (file.isEmpty())
        return {};
    return readAs(file, QSize());
}

int keptPixelsBudgetKiB()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1;
    return int(24 * 1024 * std::max<qreal>(1, ratio / 2));
}

QImage ContentPaths::picture(const QString &contentName, const QSize &pixels) const
{
    const QString file = path(contentName);
    if (file.isEmpty() || pixels.isEmpty())
        return {};
    const QString key =
        QStringLiteral("%1|%2x%3").arg(file).arg(pixels.width()).arg(pixels.height());
    if (const QImage *kept = m_pictures.object(key))
        return *kept;
    QImage image = drawnLarger(file, pixels);
    if (image.isNull())
        image = readAs(file, pixels);
    if (image.isNull())
        return {};
    image = screenFormat(image);
    m_pictures.setMaxCost(keptPixelsBudgetKiB());
    m_pictures.insert(key, new QImage(image), static_cast<int>(image.sizeInBytes() / 1024 + 1));
    return image;
}

QImage screenFormat(const QImage &image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

namespace
{

// A file name the file systems accept, from a title a teacher or pupil typed.
QString safeFileName(const QString &name)
{
    QString out;
    for (QChar c : name)
        out += c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c) ? QChar(u' ') : c;
    out = out.simplified();
    return out.isEmpty() || out == QLatin1String(".pdf") ? QStringLiteral("Quorvel.pdf") : out;
}

} // namespace

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

PrintOutcome printOrSavePdf(const Platform &platform, QWidget *parent, const PrintJob &job,
                            const QString &pdfName)
{
    PrintOutcome outcome;
    const bool printer = platform.printer.hasDefaultPrinter();
    if (printer && platform.printer.play(job, platform.paths)) {
        outcome.kind = PrintOutcome::Printed;
        return outcome;
    }
    const QString file = platform.boxes.saveFile(
        parent,
        printer ? QCoreApplication::translate("Printing", "Printing failed: save as PDF")
                : QCoreApplication::translate("Printing", "No printer: save as PDF"),
        QDir(documentsFolder()).filePath(safeFileName(pdfName)),
        QCoreApplication::translate("Printing", "PDF files (*.pdf)"));
    const QString pdf = file.isEmpty()
                            ? QString()
                            : fileToWrite(platform.boxes, parent, file, {QStringLiteral(".pdf")});
    if (pdf.isEmpty()) {
        outcome.kind = PrintOutcome::Cancelled;
        return outcome;
    }
    outcome.pdfFile = pdf;
    const savefile::Result saved = playIntoPdf(job, platform.printer, platform.paths, pdf);
    outcome.kind = saved ? PrintOutcome::SavedAsPdf : PrintOutcome::Failed;
    outcome.error = saved.error;
    return outcome;
}

namespace
{

// A PDF file ends with its end-of-file marker and that line's end, as the printer writes it; a
// file cut short by a full disk, even by its last byte, does not.
bool isWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8 || !file.read(5).startsWith("%PDF-"))
        return false;
    file.seek(qMax<qint64>(0, file.size() - 16));
    const QByteArray tail = file.readAll();
    return tail.endsWith("%%EOF\n") || tail.endsWith("%%EOF\r\n");
}

} // namespace

savefile::Result playIntoPdf(const PrintJob &job, Printer &printer, const ContentPaths &paths,
                             const QString &pdfFile)
{
    return savefile::replaceByName(
        pdfFile,
        [&](const QString &temporary) {
            printer.setPdfFile(temporary);
            const bool played = printer.play(job, paths);
            printer.setPdfFile(QString());
            return played;
        },
        isWholePdf);
}

QString fileToWrite(MessageBoxes &boxes, QWidget *parent, const QString &typed,
                    const QStringList &extensions)
{
    for (const QString &extension : extensions) {
        if (typed.endsWith(extension, Qt::CaseInsensitive))
            return typed;
    }
    QString file = typed + extensions.value(0);
    if (!QFileInfo(file).exists() && !QFileInfo(file).isSymLink())
        return file;
    return boxes.okCancel(parent,
                          QCoreApplication::translate(
                              "Printing", "The file %1 already exists. Do you want to replace it?")
                              .arg(QDir::toNativeSeparators(file)))
               ? file
               : QString();
}

namespace
{

// The whole sentence for a thing saved as a PDF file (%1), or not saved (%1, then the reason %2),
// so that each language words it in its own order.
QString savedMessage(const QString &what, bool failed)
{
    static const char *const Sentences[][3] = {
        {"certificate", QT_TRANSLATE_NOOP("Printing", "Your certificate has been saved as %1."),
         QT_TRANSLATE_NOOP("Printing", "Your certificate could not be saved as %1. %2")},
        {"worksheet", QT_TRANSLATE_NOOP("Printing", "Your worksheet has been saved as %1."),
         QT_TRANSLATE_NOOP("Printing", "Your worksheet could not be saved as %1. %2")},
        {"answer key", QT_TRANSLATE_NOOP("Printing", "Your answer key has been saved as %1."),
         QT_TRANSLATE_NOOP("Printing", "Your answer key could not be saved as %1. %2")},
        {"page", QT_TRANSLATE_NOOP("Printing", "Your page has been saved as %1."),
         QT_TRANSLATE_NOOP("Printing", "Your page could not be saved as %1. %2")},
    };
    for (const auto &sentence : Sentences) {
        if (what == QLatin1String(sentence[0]))
            return QCoreApplication::translate("Printing", sentence[failed ? 2 : 1]);
    }
    return (failed ? QStringLiteral("Your %1 could not be saved as %2. %3")
                   : QStringLiteral("Your %1 has been saved as %2."))
        .arg(what, QStringLiteral("%1"), QStringLiteral("%2"));
}

} // namespace

void printAndReport(const Platform &platform, QWidget *parent, const PrintJob &job,
                    const QString &pdfName, const QString &printedMessage, const QString &what)
{
    const PrintOutcome outcome = printOrSavePdf(platform, parent, job, pdfName);
    switch (outcome.kind) {
    case PrintOutcome::Printed:
        if (!printedMessage.isEmpty())
            platform.boxes.ok(parent, printedMessage);
        break;
    case PrintOutcome::SavedAsPdf:
        platform.boxes.ok(parent,
                          savedMessage(what, false).arg(QDir::toNativeSeparators(outcome.pdfFile)));
        break;
    case PrintOutcome::Failed:
        if (!outcome.pdfFile.isEmpty()) {
            platform.boxes.ok(parent,
                              savedMessage(what, true)
                                  .arg(QDir::toNativeSeparators(outcome.pdfFile), outcome.error));
            break;
        }
        Q_FALLTHROUGH();
    case PrintOutcome::Cancelled:
        platform.boxes.ok(parent, QCoreApplication::translate(
                                      "Printing", "There was a problem printing to your printer."));
        break;
    }
}
