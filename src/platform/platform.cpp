#include "platform.h"

#include <QImageReader>

QImage ContentPaths::picture(const QString &contentName) const
{
    const QString file = path(contentName);
    if (file.isEmpty())
        return {};
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool playPrintJob(const PrintJob &job, Printer &printer, const ContentPaths &paths)
{
    printer.reset();
    for (const PrintOp &op : job) {
        switch (op.kind) {
        case PrintOp::FontName:
            printer.setFontName(op.text);
            break;
        case PrintOp::FontSize:
            printer.setFontSize(op.size);
            break;
        case PrintOp::ForeColor:
            printer.setForeColor(op.color);
            break;
        case PrintOp::DrawWidth:
            printer.setDrawWidth(static_cast<int>(op.size));
            break;
        case PrintOp::CurrentX:
            printer.setCurrentX(op.x);
            break;
        case PrintOp::Print:
            printer.print(op.text, op.endLine);
            break;
        case PrintOp::Line:
            printer.line(op.from, op.to, op.color);
            break;
        case PrintOp::Picture:
            printer.paintPicture(paths.picture(op.text),
                                 QRect(op.from.x(), op.from.y(), op.to.x(), op.to.y()));
            break;
        case PrintOp::EndDoc:
            printer.endDoc();
            break;
        }
        if (printer.failed())
            return false;
    }
    return true;
}
