// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/aikenwriter.h"

#include "exchange/common.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace exchange
{

WriteResult writeAiken(QIODevice *device, const AppState &bank)
{
    WriteResult result;
    QString out;
    const AppState::QuestionStrings *answers[] = {&bank.AnswerA, &bank.AnswerB, &bank.AnswerC,
                                                  &bank.AnswerD};
    static const QRegularExpression optionLike(QStringLiteral("^([A-Z][.)]\\s|ANSWER:)"));
    for (int q = 1; q <= AppState::MaxQuestions; ++q) {
        const int right = rightAnswer(bank, q, &result);
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
        out += line(bank.QuestionText[q], true) + QLatin1Char('\n');
        for (int a = 0; a < 4; ++a)
            out += QStringLiteral("%1. %2\n").arg(QChar(u'A' + a), line((*answers[a])[q], false));
        out += QStringLiteral("ANSWER: %1\n\n").arg(right ? QChar(u'A' + right - 1) : QChar(u'?'));
    }
    writeText(device, out, &result);
    return result;
}

} // namespace exchange
