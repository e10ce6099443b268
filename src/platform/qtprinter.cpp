// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprinter.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace
{

constexpr double TwipsPerInch = 1440.0;

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

} // namespace

QtPrinter::QtPrinter(const QString &outputPdf) : m_outputPdf(outputPdf) {}

void QtPrinter::setPdfFile(const QString &file)
{
    m_outputPdf = file;
    m_metrics.reset(); // measured afresh on the printer the next document goes to
}

bool QtPrinter::hasDefaultPrinter() const
{
    return !m_outputPdf.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPrinter *QtPrinter::printerForMetrics() const
{
    if (m_printer)
        return m_printer.get();
    // Measuring before a document starts: the printer the document will go to, or without one a
    // PDF printer of the default page size.
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
    QFont font(fontName);
    // Points are 20 twips; measure at a large pixel size for precision.
    font.setPixelSize(static_cast<int>(points * 20));
    const QFontMetricsF metrics(font);
    return static_cast<int>(std::lround(metrics.horizontalAdvance(text)));
}

bool QtPrinter::ensureDocument()
{
    if (m_failed)
        return false;
    if (m_open)
        return true;
    m_printer = makePrinter(m_outputPdf);
    if (!m_printer || !m_painter.begin(m_printer.get())) {
        m_printer.reset();
        fail();
        return false;
    }
    m_open = true;
    m_x = 0;
    m_y = 0;
    m_pages = 1;
    return true;
}

void QtPrinter::fail()
{
    if (m_painter.isActive())
        m_painter.end();
    m_open = false;
    m_failed = true;
}

double QtPrinter::toDevice(double twips) const
{
    return twips * m_printer->resolution() / TwipsPerInch;
}

QFont QtPrinter::deviceFont() const
{
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    return font;
}

int QtPrinter::lineHeight() const
{
    QFont font(m_fontName);
    font.setPixelSize(static_cast<int>(m_fontSize * 20));
    return static_cast<int>(std::lround(QFontMetricsF(font).height()));
}

void QtPrinter::setFontName(const QString &name)
{
    if (ensureDocument())
        m_fontName = name;
}

void QtPrinter::setFontSize(double points)
{
    if (ensureDocument())
        m_fontSize = points;
}

void QtPrinter::setForeColor(const QColor &color)
{
    if (ensureDocument())
        m_color = color;
}

void QtPrinter::setDrawWidth(int width)
{
    if (ensureDocument())
        m_drawWidth = qBound(1, width, 100);
}

void QtPrinter::setCurrentX(int twips)
{
    if (ensureDocument())
        m_x = twips;
}

void QtPrinter::setCurrentY(int twips)
{
    if (ensureDocument())
        m_y = twips;
}

void QtPrinter::print(const QString &text, bool endLine)
{
    if (!ensureDocument())
        return;
    const int height = lineHeight();
    if (m_y > 0 && m_y + height > scaleHeight()) {
        if (!m_printer->newPage()) {
            fail();
            return;
        }
        ++m_pages;
        m_y = 0;
    }
    const QFont font = deviceFont();
    m_painter.setFont(font);
    m_painter.setPen(m_color);
    const QFontMetricsF metrics(font, m_printer.get());
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    if (endLine) {
        m_x = 0;
        m_y += height;
    } else {
        m_x += textWidth(m_fontName, m_fontSize, text);
    }
}

void QtPrinter::line(QPoint from, QPoint to, const QColor &color)
{
    if (!ensureDocument())
        return;
    QPen pen(color);
    pen.setWidthF(m_drawWidth * m_printer->resolution() / 96.0);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(toDevice(from.x()), toDevice(from.y())),
                       QPointF(toDevice(to.x()), toDevice(to.y())));
}

void QtPrinter::paintPicture(const QImage &picture, const QRect &twipsRect)
{
    if (!ensureDocument() || picture.isNull())
        return;
    // The painter's origin is the corner of the printable area; pictures are placed from the
    // corner of the paper.
    const QPointF paper = m_printer->pageRect(QPrinter::DevicePixel).topLeft();
    m_painter.drawImage(QRectF(toDevice(twipsRect.x()) - paper.x(),
                               toDevice(twipsRect.y()) - paper.y(), toDevice(twipsRect.width()),
                               toDevice(twipsRect.height())),
                        picture);
}

void QtPrinter::reset()
{
    if (m_painter.isActive())
        m_painter.end();
    m_printer.reset();
    m_metrics.reset();
    m_open = false;
    m_failed = false;
}

void QtPrinter::endDoc()
{
    if (!ensureDocument())
        return;
    const bool sent = m_painter.end();
    m_lastPages = m_pages;
    m_open = false;
    m_printer.reset();
    if (!sent)
        m_failed = true;
}
