// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages.h"

#include <QCoreApplication>

namespace pages
{

QString pageFile(const QString &name, int page, bool printCopy)
{
    if (page < 1 || page > MaxPages)
        return {};
    const QChar letter(QLatin1Char(static_cast<char>('a' + page - 1)));
    return (printCopy ? QStringLiteral("wmf2\\") : QStringLiteral("wmf\\")) + name + letter +
           QStringLiteral(".wmf");
}

QString guideFile(int page, bool printCopy)
{
    return (printCopy ? QStringLiteral("wmf2\\guide") : QStringLiteral("wmf\\guide")) +
           QString::number(page) + QStringLiteral(".wmf");
}

QString counter(int page, int count)
{
    return QCoreApplication::translate("PageViewer", "Page %1 of %2").arg(page).arg(count);
}

Buttons buttons(int page, int count)
{
    return {page > 1, page < count};
}

int nextLogoFrame(int frame)
{
    const int next = frame + 1;
    return next >= LogoFrames || next < 0 ? 0 : next;
}

QString logoFrameFile(int frame)
{
    return QStringLiteral("logo\\tavimor%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
}

PrintJob printJob(const QString &printCopy, QSize ownSizeTwips)
{
    return {PrintOp::print(QString(), true),
            PrintOp::picture(printCopy, QPoint(1000, 1000),
                             QPoint(ownSizeTwips.width(), ownSizeTwips.height()))};
}

} // namespace pages
