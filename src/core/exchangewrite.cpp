// SPDX-License-Identifier: GPL-3.0-or-later
// Writing GIFT and Aiken files. Apart from the reader (exchange.cpp), which reads HTML with the
// toolkit's graphical side, so that exporting from the command line needs only its core.
#include "exchange.h"

#include "questionfile.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>

namespace exchange
{

namespace
{

const QString Escapable = QStringLiteral("~=#{}:\\");

QString giftEscaped(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            continue;
        else if (Escapable.contains(c))
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

int rightAnswer(const AppState &bank, int q)
{
    return questionfile::correctAnswer(bank.CorrectAnswer[q]);
}

} // namespace

WriteResult write(QIODevice *device, Format format, const AppState &bank)
{
    WriteResult result;
    const QString title = bank.QuizTitle;
    QString out;
    const AppState::QuestionStrings *answers[] = {&bank.AnswerA, &bank.AnswerB, &bank.AnswerC,
                                                  &bank.AnswerD};
    if (format == Format::Gift)
        out += QStringLiteral("// %1\n\n").arg(QString(title).remove(QLatin1Char('\n')));
    for (int q = 1; q <= AppState::MaxQuestions; ++q) {
        const int right = rightAnswer(bank, q);
        if (right == 0)
            result.problems.append(
                QCoreApplication::translate("Import", "Question %1 has no right answer.").arg(q));
        if (format == Format::Gift) {
            out += QStringLiteral("::%1::%2{\n")
                       .arg(giftEscaped(title + QStringLiteral(" ") + QString::number(q)),
                            giftText(bank.QuestionText[q]));
            for (int a = 0; a < 4; ++a) {
                out += QStringLiteral("\t%1%2\n")
                           .arg(a + 1 == right ? QLatin1Char('=') : QLatin1Char('~'))
                           .arg(giftAnswer((*answers[a])[q], a + 1 == right));
            }
            out += QStringLiteral("}\n\n");
            continue;
        }
        // Aiken is one line a text; a line that reads as an option or an ANSWER line would
        // change the question.
        static const QRegularExpression optionLike(QStringLiteral("^([A-Z][.)]\\s|ANSWER:)"));
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
    const QByteArray bytes = out.toUtf8();
    result.ok = device->write(bytes) == bytes.size();
    return result;
}

bool formatForFileName(const QString &fileName, Format *format)
{
    if (fileName.endsWith(QLatin1String(".gift"), Qt::CaseInsensitive))
        *format = Format::Gift;
    else if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        *format = Format::Aiken;
    else
        return false;
    return true;
}

} // namespace exchange
