// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <memory>

class QPrinter;

// The printer on the system's default printer, or a PDF file, drawing each job with a QPainter.
// Text and lines are placed in twips from the top left of the printable area, pictures from the
// corner of the paper; a line of text that would not fit below the last starts a new page.
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

    bool play(const PrintJob &job, const ContentPaths &paths) override;
    bool hasDefaultPrinter() const override;
    void setPdfFile(const QString &file) override;

    int pagesInLastDocument() const { return m_lastPages; }

private:
    QPrinter *printerForMetrics() const;

    QString m_outputPdf;
    mutable std::unique_ptr<QPrinter> m_metrics; // measures before a document starts
    int m_lastPages = 0;
};
