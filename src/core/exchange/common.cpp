// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/common.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>

namespace exchange
{

namespace
{

// The longest piece of a file's text quoted in a message.
constexpr int MaxQuoted = 60;

// Runs of blanks as one space, none at either end. A control character that the toolkit counts as
// a blank (NEL, U+0085) stays, for checkFits to refuse.
QString collapsed(const QString &text)
{
    QString out;
    bool blank = false;
    for (QChar c : text) {
        if (c.isSpace() && (c.unicode() < 0x7F || c.unicode() > 0x9F)) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank)
            out += QLatin1Char(' ');
        blank = false;
        out += c;
    }
    return out;
}

// The first few words of a text, to name a question that has no name.
QString firstWords(const QString &text)
{
    const QStringList words = collapsed(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString out = words.mid(0, 6).join(QLatin1Char(' '));
    if (words.size() > 6)
        out += QStringLiteral("...");
    return shortQuote(out);
}

// Whether every character of text can be shown and saved: no control character, no half of a
// character beyond the first 65536 without its other half.
bool storable(const QString &text, QChar *bad)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) || c.isSurrogate()) {
            *bad = c;
            return false;
        }
    }
    return true;
}

} // namespace

QString shortQuote(const QString &text)
{
    if (text.size() <= MaxQuoted)
        return text;
    qsizetype cut = MaxQuoted - 3;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("...");
}

QString asShown(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String(" and "));
    return collapsed(out);
}

QString entityOutsideHtml(const QString &text)
{
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    return entity.match(text).captured(0);
}

QString unnamed(int line, const QString &words)
{
    return QCoreApplication::translate("Import", "line %1 (\"%2\")")
        .arg(line)
        .arg(firstWords(words));
}

core::Result checkFits(const questionfile::Question &q)
{
    QChar bad;
    QStringList texts{q.text};
    for (const QString &answer : q.answers)
        texts << answer;
    for (const QString &text : texts) {
        if (text.isEmpty())
            return {text == q.text
                        ? QCoreApplication::translate("Import", "its question is empty")
                        : QCoreApplication::translate("Import", "it has an empty answer")};
        if (text.startsWith(QLatin1Char('"')))
            return {
                QCoreApplication::translate("Import", "it begins a text with a double quote mark")};
        if (!storable(text, &bad))
            return {bad.unicode() < 0x20 || (bad.unicode() >= 0x7F && bad.unicode() <= 0x9F)
                        ? QCoreApplication::translate(
                              "Import", "it holds an invisible control character (U+%1)")
                              .arg(QString::number(bad.unicode(), 16)
                                       .toUpper()
                                       .rightJustified(4, QLatin1Char('0')))
                        : QCoreApplication::translate(
                              "Import", "it uses the character \"%1\", which a worksheet cannot "
                                        "hold")
                              .arg(bad)};
    }
    if (q.text.size() > MaxQuestionLength)
        return {QCoreApplication::translate("Import", "its question is longer than %1 characters")
                    .arg(MaxQuestionLength)};
    for (int a = 0; a < 4; ++a) {
        if (q.answers[a].size() > MaxAnswerLength)
            return {QCoreApplication::translate("Import", "answer %1 is longer than %2 characters")
                        .arg(QChar(u'A' + a))
                        .arg(MaxAnswerLength)};
    }
    return {};
}

void skip(ReadResult *result, const QString &label, const QString &why)
{
    result->skipped.append(
        QCoreApplication::translate("Import", "Skipped %1: %2.").arg(label, why));
    result->entries.append({label, why, -1});
}

void take(ReadResult *result, const QString &label, const questionfile::Question &question)
{
    result->entries.append({label, QString(), int(result->questions.size())});
    result->questions.append(question);
}

int rightAnswer(const questionfile::Worksheet &sheet, int q, WriteResult *result)
{
    const int right = sheet.question(q).rightAnswer();
    if (right == 0)
        result->problems.append(
            QCoreApplication::translate("Import", "Question %1 has no right answer.").arg(q));
    return right;
}

void writeText(QIODevice *device, const QString &text, WriteResult *result)
{
    const QByteArray bytes = text.toUtf8();
    if (device->write(bytes) != bytes.size())
        result->error = QCoreApplication::translate("Import", "The file could not be written.");
}

} // namespace exchange
