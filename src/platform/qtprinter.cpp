// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprinter.h"

#include "metafile/metafile.h"
#include "metafile/metafilerenderer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace
{

constexpr double TwipsPerInch = 1440.0;
// Metafile pages are printed as pictures drawn at printer resolution.
constexpr double MetafilePrintDpi = 300.0;

std::unique_ptr<QPrinter> makePrinter(const QString &outputPdf)
{
    if (!outputPdf.isEmpty()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(outputPdf);
        return printer;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setDocName(QStringLiteral("Quorvel"));
    return printer;
}

// Width in twips of text in a printer font: measured at a large pixel size for precision, points
// being 20 twips.
int twipsWide(const QString &fontName, double points, const QString &text)
{
    QFont font(fontName);
    font.setPixelSize(static_cast<int>(points * 20));
    const QFontMetricsF metrics(font);
    return static_cast<int>(std::lround(metrics.horizontalAdvance(text)));
}

QImage printPicture(const ContentPaths &paths, const QString &name, QSize twips)
{
    if (!name.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
        return paths.picture(name);
    QFile file(paths.path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const wmf::ReadResult read = wmf::read(&file);
    const QSize pixels(qRound(twips.width() * MetafilePrintDpi / 1440.0),
                       qRound(twips.height() * MetafilePrintDpi / 1440.0));
    if (read.metafile.records.isEmpty() || pixels.isEmpty())
        return {};
    return wmf::renderToImage(read.metafile, pixels);
}

// One document being drawn: the painter on the printer, the font, colour and line width last set,
// and the print position.
class Document
{
public:
    Document(QPrinter &printer, QPainter &painter) : m_printer(printer), m_painter(painter)
    {
        m_pageHeight = static_cast<int>(m_printer.pageRect(QPrinter::Inch).height() * TwipsPerInch);
    }

    // Draws one operation; false when the printer refused a new page.
    bool draw(const PrintOp &op, const ContentPaths &paths)
    {
        switch (op.kind) {
        case PrintOp::FontName:
            m_fontName = op.text;
            break;
        case PrintOp::FontSize:
            m_fontSize = op.size;
            break;
        case PrintOp::ForeColor:
            m_color = op.color;
            break;
        case PrintOp::DrawWidth:
            m_drawWidth = qBound(1, static_cast<int>(op.size), 100);
            break;
        case PrintOp::CurrentX:
            m_x = op.x;
            break;
        case PrintOp::CurrentY:
            m_y = op.y;
            break;
        case PrintOp::Print:
            return print(op.text, op.endLine);
        case PrintOp::Line:
            line(op.from, op.to, op.color);
            break;
        case PrintOp::Picture:
            picture(printPicture(paths, op.text, QSize(op.to.x(), op.to.y())),
                    QRect(op.from.x(), op.from.y(), op.to.x(), op.to.y()));
            break;
        }
        return true;
    }

    int pages() const { return m_pages; }

private:
    double toDevice(double twips) const { return twips * m_printer.resolution() / TwipsPerInch; }

    int lineHeight() const
    {
        QFont font(m_fontName);
        font.setPixelSize(static_cast<int>(m_fontSize * 20));
        return static_cast<int>(std::lround(QFontMetricsF(font).height()));
    }

    bool print(const QString &text, bool endLine)
    {
        const int height = lineHeight();
        if (m_y > 0 && m_y + height > m_pageHeight) {
            if (!m_printer.newPage())
                return false;
            ++m_pages;
            m_y = 0;
        }
        QFont font(m_fontName);
        font.setPointSizeF(m_fontSize);
        m_painter.setFont(font);
        m_painter.setPen(m_color);
        const QFontMetricsF metrics(font, &m_printer);
        m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
        if (endLine) {
            m_x = 0;
            m_y += height;
        } else {
            m_x += twipsWide(m_fontName, m_fontSize, text);
        }
        return true;
    }

    void line(QPoint from, QPoint to, const QColor &color)
    {
        QPen pen(color);
        pen.setWidthF(m_drawWidth * m_printer.resolution() / 96.0);
        m_painter.setPen(pen);
        m_painter.drawLine(QPointF(toDevice(from.x()), toDevice(from.y())),
                           QPointF(toDevice(to.x()), toDevice(to.y())));
    }

    void picture(const QImage &image, const QRect &twipsRect)
    {
        if (image.isNull())
            return;
        // The painter's origin is the corner of the printable area; pictures are placed from the
        // corner of the paper.
        const QPointF paper = m_printer.pageRect(QPrinter::DevicePixel).topLeft();
        m_painter.drawImage(QRectF(toDevice(twipsRect.x()) - paper.x(),
                                   toDevice(twipsRect.y()) - paper.y(), toDevice(twipsRect.width()),
                                   toDevice(twipsRect.height())),
                            image);
    }

    QPrinter &m_printer;
    QPainter &m_painter;
    int m_pageHeight = 0;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 12;
    QColor m_color = Qt::black;
    int m_drawWidth = 1;
    int m_x = 0;
    int m_y = 0;
    int m_pages = 1;
};

} // namespace

QtPrinter::QtPrinter(const QString &outputPdf) : m_outputPdf(outputPdf) {}

QtPrinter::~QtPrinter() = default;

void QtPrinter::setPdfFile(const QString &file)
{
    m_outputPdf = file;
    m_metrics.reset(); // measured afresh on the printer the next document goes to
}

bool QtPrinter::hasDefaultPrinter() const
{
    return !m_outputPdf.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

QPrinter *QtPrinter::printerForMetrics() const
{
    // Layouts are measured before their document starts: on the printer the document will go to,
    // or without one on a PDF printer of the default page size.
    if (!m_metrics)
        m_metrics = makePrinter(m_outputPdf);
    if (m_metrics)
        return m_metrics.get();
    static QPrinter fallback(QPrinter::HighResolution);
    return &fallback;
}

int QtPrinter::scaleWidth() const
{
    const QRectF page = printerForMetrics()->pageRect(QPrinter::Inch);
    return static_cast<int>(page.width() * TwipsPerInch);
}

int QtPrinter::scaleHeight() const
{
    const QRectF page = printerForMetrics()->pageRect(QPrinter::Inch);
    return static_cast<int>(page.height() * TwipsPerInch);
}

QPoint QtPrinter::printableCorner() const
{
    const QPointF corner = printerForMetrics()->pageRect(QPrinter::Inch).topLeft() -
                           printerForMetrics()->paperRect(QPrinter::Inch).topLeft();
    return (corner * TwipsPerInch).toPoint();
}

int QtPrinter::textWidth(const QString &fontName, double points, const QString &text) const
{
    return twipsWide(fontName, points, text);
}

bool QtPrinter::play(const PrintJob &job, const ContentPaths &paths)
{
    m_metrics.reset(); // the default printer may have changed since it was last asked
    const std::unique_ptr<QPrinter> printer = makePrinter(m_outputPdf);
    QPainter painter;
    if (!printer || !painter.begin(printer.get()))
        return false;
    Document document(*printer, painter);
    for (const PrintOp &op : job) {
        if (!document.draw(op, paths)) {
            painter.end();
            return false;
        }
    }
    // Ending the painter sends the document to the printer, or finishes the PDF file.
    const bool sent = painter.end();
    m_lastPages = document.pages();
    return sent;
}
