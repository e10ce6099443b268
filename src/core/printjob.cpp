// SPDX-License-Identifier: GPL-3.0-or-later
#include "printjob.h"

PrintOp PrintOp::fontName(const QString &name)
{
    PrintOp op;
    op.kind = FontName;
    op.text = name;
    return op;
}

PrintOp PrintOp::fontSize(double points)
{
    PrintOp op;
    op.kind = FontSize;
    op.size = points;
    return op;
}

PrintOp PrintOp::foreColor(const QColor &c)
{
    PrintOp op;
    op.kind = ForeColor;
    op.color = c;
    return op;
}

PrintOp PrintOp::drawWidth(int width)
{
    PrintOp op;
    op.kind = DrawWidth;
    op.size = width;
    return op;
}

PrintOp PrintOp::currentX(int twips)
{
    PrintOp op;
    op.kind = CurrentX;
    op.x = twips;
    return op;
}

PrintOp PrintOp::currentY(int twips)
{
    PrintOp op;
    op.kind = CurrentY;
    op.y = twips;
    return op;
}

PrintOp PrintOp::print(const QString &text, bool endLine)
{
    PrintOp op;
    op.kind = Print;
    op.text = text;
    op.endLine = endLine;
    return op;
}

PrintOp PrintOp::line(QPoint a, QPoint b, const QColor &c)
{
    PrintOp op;
    op.kind = Line;
    op.from = a;
    op.to = b;
    op.color = c;
    return op;
}

PrintOp PrintOp::picture(const QString &contentPath, QPoint topLeft, QPoint size)
{
    PrintOp op;
    op.kind = Picture;
    op.text = contentPath;
    op.from = topLeft;
    op.to = size;
    return op;
}

bool PrintOp::operator==(const PrintOp &o) const
{
    return kind == o.kind && text == o.text && size == o.size && color == o.color && x == o.x &&
           endLine == o.endLine && from == o.from && to == o.to;
}
