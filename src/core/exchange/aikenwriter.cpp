// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/aikenwriter.h"

#include "exchange/common.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace exchange
{

WriteResult writeAiken(QIODevice *device, const questionfile::Worksheet &sheet)
{
    WriteResult result;
    QString out;
    static const QRegularExpression optionLike(QStringLiteral("^([A-Z][.)]\\s|ANSWER:)"));
    for (int q = 1; q <= questionfile::QuestionsPerSheet; ++q) {
        const questionfile::Question &question = sheet.question(q);
        const int right = rightAnswer(sheet, q, &result);
        const auto line = [&](const QString &text, bool isQuestion) {
            QString flat = text;
            if (flat.contains(QLatin1Char('\n')) || flat.contains(QLatin1Char('\r'))) {
                result.problems.append(
                    QCoreApplication::translate(
                        "Import", "Question %1 holds a line break, written as a space.")
                        .arg(q));
                flat = flat.simplified();
            }
            if (isQuestion && flat.trimmed().contains(optionLike))
                result.problems.append(
                    QCoreApplication::translate(
                        "Import", "Question %1 begins like an answer line and will not read back.")
                        .arg(q));
            return flat.trimmed();
        };
        out += line(question.text, true) + QLatin1Char('\n');
        for (int a = 0; a < 4; ++a)
            out += QStringLiteral("%1. %2\n")
                       .arg(QChar(u'A' + a), line(question.answers[size_t(a)], false));
        out += QStringLiteral("ANSWER: %1\n\n").arg(right ? QChar(u'A' + right - 1) : QChar(u'?'));
    }
    writeText(device, out, &result);
    return result;
}

} // namespace exchange
