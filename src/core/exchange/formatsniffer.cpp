// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/formatsniffer.h"

#include "exchange/exchange.h"

#include <QRegularExpression>

namespace exchange
{

Format sniff(const QByteArray &bytes, const QString &fileName)
{
    static const QRegularExpression aikenQuestion(
        QStringLiteral("^[ \\t]*[A-Z][.)][ \\t]+\\S.*\\n\\s*ANSWER:[ \\t]*[A-Z][ \\t]*$"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression giftSet(QStringLiteral("(?<!\\\\)\\{\\s*[=~#]"));
    QString text = QString::fromUtf8(bytes.left(MaxFileSize));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    static const QRegularExpression option(QStringLiteral("^\\s*[A-Z][.)]\\s"));
    qsizetype aiken = 0, gift = 0;
    for (auto it = aikenQuestion.globalMatch(text); it.hasNext(); it.next())
        ++aiken;
    // An Aiken choice may hold anything, braces too: only other lines count for GIFT.
    for (qsizetype from = 0; from <= text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).mid(from, end - from);
        from = end + 1;
        if (!line.contains(QLatin1Char('{')) || option.match(line).hasMatch())
            continue;
        for (auto it = giftSet.globalMatch(line); it.hasNext(); it.next())
            ++gift;
    }
    if (aiken != gift)
        return aiken > gift ? Format::Aiken : Format::Gift;
    return fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? Format::Aiken
                                                                         : Format::Gift;
}

std::optional<Format> formatForFileName(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".gift"), Qt::CaseInsensitive))
        return Format::Gift;
    if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return Format::Aiken;
    return std::nullopt;
}

} // namespace exchange
