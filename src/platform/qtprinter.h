// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;

// The printer object on the system's default printer, or a PDF file. A document
// starts with the first operation after the previous endDoc. Positions are twips from the top
// left of the printable area (pictures: of the paper); a line that would not fit below the last
// starts a new page.
class QtPrinter : public Printer
{
public:
    // With an empty outputPdf the job goes to the default printer.
    explicit QtPrinter(const QString &outputPdf = QString());
    ~QtPrinter() override;

    int scaleWidth() const override;
    int scaleHeight() const override;
    QPoint printableCorner() const override;
    int textWidth(const QString &fontName, double points, const QString &text) const override;

    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void setForeColor(const QColor &color) override;
    void setDrawWidth(int width) override;
    void setCurrentX(int twips) override;
    void setCurrentY(int twips) override;
    void print(const QString &text, bool endLine) override;
    void line(QPoint from, QPoint to, const QColor &color) override;
    void paintPicture(const QImage &picture, const QRect &twipsRect) override;
    void endDoc() override;
    void reset() override;
    bool failed() const override { return m_failed; }
    bool hasDefaultPrinter() const override;
    void setPdfFile(const QString &file) override;

    int pagesInLastDocument() const { return m_lastPages; }

private:
    bool ensureDocument();
    void fail();
    double toDevice(double twips) const;
    int lineHeight() const;
    QFont deviceFont() const;
    QPrinter *printerForMetrics() const;

    QString m_outputPdf;
    std::unique_ptr<QPrinter> m_printer;
    mutable std::unique_ptr<QPrinter> m_metrics; // measures before a document starts
    QPainter m_painter;
    bool m_open = false;
    bool m_failed = false;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 12;
    QColor m_color = Qt::black;
    int m_drawWidth = 1;
    int m_x = 0;
    int m_y = 0;
    int m_pages = 0;
    int m_lastPages = 0;
};
