// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>

// A printout: one document as a list of drawing operations, in twips from the top left of the
// printable area. Layouts are built in the core from a PrinterMetrics (what they must measure); the
// platform's printer plays a whole job, on paper, into a PDF file or onto a recording.
//
// Text is printed at the print position, in the font and colour last set. With endLine the
// position moves to the left edge of the next line (one line of the font down, on a new page when
// it would not fit); without it, the position stays on the line just after the text.
struct PrintOp {
    enum Kind {
        FontName,  // text
        FontSize,  // size (points)
        ForeColor, // color
        DrawWidth, // size (pixels of line width)
        CurrentX,  // x
        CurrentY,  // y
        Print,     // text; endLine: move to the next line after it
        Line,      // from, to, color
        Picture,   // text (content path), from (top left), to (width, height); unlike text
                   // and lines, placed from the corner of the paper
    };

    Kind kind = Print;
    QString text;
    double size = 0;
    QColor color;
    int x = 0;
    int y = 0;
    bool endLine = false;
    QPoint from;
    QPoint to;

    static PrintOp fontName(const QString &name);
    static PrintOp fontSize(double points);
    static PrintOp foreColor(const QColor &c);
    static PrintOp drawWidth(int width);
    static PrintOp currentX(int twips);
    static PrintOp currentY(int twips);
    static PrintOp print(const QString &text, bool endLine);
    static PrintOp line(QPoint a, QPoint b, const QColor &c);
    static PrintOp picture(const QString &contentPath, QPoint topLeft, QPoint size);

    bool operator==(const PrintOp &o) const;
};

using PrintJob = QVector<PrintOp>;

// What a layout needs to know about the printer it will be played on.
class PrinterMetrics
{
public:
    virtual ~PrinterMetrics() = default;
    // Printable width and height in twips.
    virtual int scaleWidth() const = 0;
    virtual int scaleHeight() const = 0;
    // Width in twips of text in the given printer font.
    virtual int textWidth(const QString &fontName, double points, const QString &text) const = 0;
    // Where the printable area's corner lies from the paper's corner, in twips.
    virtual QPoint printableCorner() const { return {}; }
};
