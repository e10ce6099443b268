// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/giftwriter.h"

#include "exchange/common.h"
#include "exchange/giftreader.h"

#include <QRegularExpression>

namespace exchange
{

namespace
{

QString giftEscaped(const QString &text)
{
    const QLatin1String escapable(GiftEscapable);
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            continue;
        else if (escapable.contains(c))
            out += QLatin1Char('\\') + QString(c);
        else
            out += c;
    }
    return out;
}

// A text as GIFT carries it back: escaped, and behind a [plain] marker when it begins like one of
// the format markers, which a reader would otherwise take away.
QString giftText(const QString &text)
{
    static const QRegularExpression markerLike(
        QStringLiteral("^\\s*\\[(html|moodle|plain|markdown)\\]"),
        QRegularExpression::CaseInsensitiveOption);
    const QString escaped = giftEscaped(text);
    return markerLike.match(text).hasMatch() ? QStringLiteral("[plain]") + escaped : escaped;
}

// An answer as GIFT carries it back: one that begins like a weight ("%100%") is given its own
// weight first, so that only that one is read as a weight.
QString giftAnswer(const QString &text, bool right)
{
    static const QRegularExpression weightLike(QStringLiteral("^\\s*%-?\\d+(\\.\\d+)?%"));
    QString escaped = giftText(text);
    if (!weightLike.match(text).hasMatch())
        return escaped;
    return (right ? QStringLiteral("%100%") : QStringLiteral("%0%")) + escaped;
}

} // namespace

WriteResult writeGift(QIODevice *device, const questionfile::Worksheet &sheet)
{
    WriteResult result;
    const QString title = sheet.title;
    QString out = QStringLiteral("// %1\n\n").arg(QString(title).remove(QLatin1Char('\n')));
    for (int q = 1; q <= questionfile::QuestionsPerSheet; ++q) {
        const questionfile::Question &question = sheet.question(q);
        const int right = rightAnswer(sheet, q, &result);
        out += QStringLiteral("::%1::%2{\n")
                   .arg(giftEscaped(title + QStringLiteral(" ") + QString::number(q)),
                        giftText(question.text));
        for (int a = 0; a < 4; ++a) {
            out += QStringLiteral("\t%1%2\n")
                       .arg(a + 1 == right ? QLatin1Char('=') : QLatin1Char('~'))
                       .arg(giftAnswer(question.answers[size_t(a)], a + 1 == right));
        }
        out += QStringLiteral("}\n\n");
    }
    writeText(device, out, &result);
    return result;
}

} // namespace exchange
