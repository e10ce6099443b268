// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/giftreader.h"

#include "exchange/common.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace exchange
{

namespace
{

// Escaped characters are held as private-use characters while the question is taken apart.
constexpr char16_t EscapeBase = 0xE000;
const QString Escapable = QString::fromLatin1(GiftEscapable);

QString hideEscapes(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            const qsizetype k = Escapable.indexOf(next);
            if (k >= 0) {
                out.append(QChar(char16_t(EscapeBase + k)));
                ++i;
                continue;
            }
            if (next == QLatin1Char('n')) {
                out.append(QLatin1Char('\n'));
                ++i;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

QString restoreEscapes(QString text)
{
    for (int k = 0; k < Escapable.size(); ++k)
        text.replace(QChar(char16_t(EscapeBase + k)), Escapable[k]);
    return text;
}

// An HTML text as plain text: tags removed, every named and numeric entity decoded.
QString fromHtml(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

// A format marker ("[html]", "[plain]" ...) at the start of a text is taken off; true when it
// says the text is HTML. A text without a marker is as its author typed it.
bool takeMarker(QString *text)
{
    static const QRegularExpression marker(
        QStringLiteral("^\\s*\\[(html|moodle|plain|markdown)\\]"));
    const auto m = marker.match(*text);
    if (!m.hasMatch())
        return false;
    *text = text->mid(m.capturedLength());
    return m.captured(1) == QLatin1String("html") || m.captured(1) == QLatin1String("moodle");
}

// An answer's text without its feedback, which starts at the first "#" that does not belong to
// a numeric character reference ("&#8217;" in HTML an author did not escape).
QString withoutFeedback(const QString &text)
{
    static const QRegularExpression reference(QStringLiteral("#(?:[0-9]+|[xX][0-9A-Fa-f]+);"));
    for (qsizetype i = text.indexOf(QLatin1Char('#')); i >= 0;
         i = text.indexOf(QLatin1Char('#'), i + 1)) {
        if (i == 0 || text[i - 1] != QLatin1Char('&') ||
            !reference
                 .match(text, i, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption)
                 .hasMatch())
            return text.left(i);
    }
    return text;
}

struct GiftAnswer {
    QChar mark; // '=' or '~'
    QString text;
    double weight = -1; // -1: no weight given
};

struct AnswerSet : core::Result {
    QVector<GiftAnswer> answers;
};

// The answers of a set that may make one worksheet question; fails with the kind of set that
// cannot.
AnswerSet readAnswerSet(const QString &body)
{
    AnswerSet set;
    const auto refused = [&set](const QString &kind) {
        set.error = kind;
        return set;
    };
    const QString trimmed = body.trimmed();
    if (trimmed.isEmpty())
        return refused(QCoreApplication::translate("Import", "it is an essay question"));
    if (trimmed.startsWith(QLatin1Char('#')))
        return refused(QCoreApplication::translate("Import", "it is a numeric question"));
    // As learning platforms decide: any "~" makes a multiple-choice question.
    if (!trimmed.contains(QLatin1Char('~'))) {
        static const QStringList truth = {QStringLiteral("T"), QStringLiteral("F"),
                                          QStringLiteral("TRUE"), QStringLiteral("FALSE")};
        if (trimmed.startsWith(QLatin1Char('=')) && trimmed.contains(QLatin1String("->")))
            return refused(QCoreApplication::translate("Import", "it is a matching question"));
        if (truth.contains(trimmed.section(QLatin1Char('#'), 0, 0).trimmed().toUpper()))
            return refused(QCoreApplication::translate("Import", "it is a true/false question"));
        if (trimmed.startsWith(QLatin1Char('=')))
            return refused(QCoreApplication::translate("Import", "it is a short-answer question"));
    }
    if (trimmed[0] != QLatin1Char('=') && trimmed[0] != QLatin1Char('~'))
        return refused(QCoreApplication::translate("Import", "its answers cannot be read"));
    static const QRegularExpression weight(QStringLiteral("^%(-?\\d+(?:\\.\\d+)?)%"));
    qsizetype start = 0;
    for (qsizetype i = 1; i <= trimmed.size(); ++i) {
        if (i < trimmed.size() && trimmed[i] != QLatin1Char('=') && trimmed[i] != QLatin1Char('~'))
            continue;
        GiftAnswer answer;
        answer.mark = trimmed[start];
        answer.text = withoutFeedback(trimmed.mid(start + 1, i - start - 1));
        const auto m = weight.match(answer.text.trimmed());
        if (m.hasMatch()) {
            answer.weight = m.captured(1).toDouble();
            answer.text = answer.text.trimmed().mid(m.capturedLength());
        }
        set.answers.append(answer);
        start = i;
    }
    for (const GiftAnswer &answer : set.answers) {
        if (answer.weight > 0 && answer.weight < 100)
            return refused(
                QCoreApplication::translate("Import", "it gives part marks for several answers"));
    }
    return set;
}

struct Block {
    QVector<Line> lines;
    int firstLine() const { return lines.isEmpty() ? 0 : lines.first().number; }
    QString text() const
    {
        qsizetype size = 0;
        for (const Line &line : lines)
            size += line.text.size() + 1;
        QString out;
        out.reserve(size);
        for (const Line &line : lines) {
            if (&line != &lines.first())
                out += QLatin1Char('\n');
            out += line.text;
        }
        return out;
    }
};

// An embedded-answers set such as "{1:MULTICHOICE:=a~b}" makes a fill-in (cloze) question.
const QRegularExpression &clozeSet()
{
    static const QRegularExpression set(QStringLiteral("^\\s*\\d*:[A-Za-z_]+:"));
    return set;
}

void readGiftBlock(const Block &block, ReadResult *result)
{
    QString s = hideEscapes(block.text()).trimmed();
    QString name;
    if (s.startsWith(QLatin1String("::"))) {
        const qsizetype end = s.indexOf(QLatin1String("::"), 2);
        if (end > 0) {
            name = shortQuote(restoreEscapes(s.mid(2, end - 2)).simplified());
            s = s.mid(end + 2).trimmed();
        }
    }
    const bool html = takeMarker(&s);
    // The first entity found in a text that is not HTML, or left in an HTML text after decoding
    // (one the toolkit does not know, or "&amp;lt;"): either would be shown as "and lt;".
    QString entity;
    bool entityInHtml = false;
    // Each answer may have a marker of its own; the question's was taken off above.
    const auto clean = [&entity, &entityInHtml](QString text, bool isHtml, bool ownMarker = true) {
        if (ownMarker)
            isHtml = takeMarker(&text) || isHtml;
        const QString plain = isHtml ? fromHtml(restoreEscapes(text)) : restoreEscapes(text);
        if (entity.isEmpty()) {
            entity = entityOutsideHtml(plain);
            entityInHtml = isHtml;
        }
        return asShown(plain);
    };

    const qsizetype open = s.indexOf(QLatin1Char('{'));
    const qsizetype close = s.indexOf(QLatin1Char('}'));
    const QString words = clean(open >= 0 ? s.left(open) : s, html, false);
    const QString label =
        name.isEmpty() ? unnamed(block.firstLine(), words) : QStringLiteral("\"%1\"").arg(name);
    const auto skipped = [&](const QString &why) { skip(result, label, why); };
    if (open < 0 && close < 0)
        return skipped(QCoreApplication::translate("Import", "it has no answers"));
    if (open >= 0 && clozeSet().match(s.mid(open + 1)).hasMatch())
        return skipped(QCoreApplication::translate("Import", "it is a fill-in question"));
    if (open >= 0 && close < 0)
        return skipped(QCoreApplication::translate("Import", "its closing brace is missing"));
    if (open < 0 || close < open)
        return skipped(
            QCoreApplication::translate("Import", "it has a closing brace without an opening one"));
    const QString body = s.mid(open + 1, close - open - 1);
    const QString tail = s.mid(close + 1);
    if (tail.contains(QLatin1Char('{')))
        return skipped(
            QCoreApplication::translate("Import", "it has more than one set of answers"));
    if (body.contains(QLatin1Char('{')) || tail.contains(QLatin1Char('}')))
        return skipped(QCoreApplication::translate("Import", "its braces do not match"));

    const AnswerSet set = readAnswerSet(body);
    if (!set)
        return skipped(set.error);
    const QVector<GiftAnswer> &answers = set.answers;
    if (answers.size() != 4)
        return skipped(
            QCoreApplication::translate("Import", "it has %1 answers, not 4").arg(answers.size()));
    int right = 0;
    questionfile::Question question;
    for (int a = 0; a < 4; ++a) {
        const GiftAnswer &answer = answers[a];
        const bool isRight = answer.mark == QLatin1Char('=')
                                 ? answer.weight < 0 || answer.weight >= 100
                                 : answer.weight >= 100;
        question.ticks[a] = isRight;
        right += isRight ? 1 : 0;
        question.answers[a] = clean(answer.text, html);
    }
    if (right != 1)
        return skipped(right == 0
                           ? QCoreApplication::translate("Import", "it has no right answer")
                           : QCoreApplication::translate("Import", "it has %1 right answers, not 1")
                                 .arg(right));
    const QString after = clean(tail, html);
    question.text = after.isEmpty() ? words : words + QStringLiteral(" _____ ") + after;
    if (!entity.isEmpty())
        return skipped(
            (entityInHtml
                 ? QCoreApplication::translate(
                       "Import", "it writes \"%1\", which a worksheet cannot hold as written")
                 : QCoreApplication::translate(
                       "Import", "it writes \"%1\" in a text that is not HTML, which a "
                                 "worksheet cannot hold as written"))
                .arg(entity));
    const core::Result fits = checkFits(question);
    if (!fits)
        return skipped(fits.error);
    take(result, label, question);
}

} // namespace

// Questions are separated by blank lines; one that follows another without a blank line starts
// on the first line after the other's answers that names a question ("::") or opens answers.
ReadResult readGift(const QVector<Line> &lines)
{
    ReadResult result;
    Block block;
    int depth = 0;      // braces open at the end of the lines so far
    int closedAt = -1;  // the block's line that closed its first answer set, or -1
    bool cloze = false; // the block's first answer set is an embedded-answers one
    const auto flush = [&] {
        if (!block.text().trimmed().isEmpty())
            readGiftBlock(block, &result);
        block = Block();
        depth = 0;
        closedAt = -1;
        cloze = false;
    };
    for (const Line &line : lines) {
        const QString trimmed = line.text.trimmed().toString();
        if (trimmed.startsWith(QLatin1String("//")))
            continue;
        if (trimmed.isEmpty()) {
            flush();
            continue;
        }
        if (trimmed.startsWith(QLatin1String("$CATEGORY:")))
            continue;
        const QString hidden = hideEscapes(line.text.toString());
        if (closedAt >= 0 && depth == 0 && !cloze &&
            (trimmed.startsWith(QLatin1String("::")) || hidden.contains(QLatin1Char('{')))) {
            const QVector<Line> next = block.lines.mid(closedAt + 1);
            block.lines.resize(closedAt + 1);
            flush();
            block.lines = next; // text after the answers, which holds no brace
        }
        block.lines.append(line);
        for (qsizetype i = 0; i < hidden.size(); ++i) {
            if (hidden[i] == QLatin1Char('{')) {
                if (depth++ == 0 && closedAt < 0)
                    cloze = clozeSet().match(hidden.mid(i + 1)).hasMatch();
            } else if (hidden[i] == QLatin1Char('}') && depth > 0 && --depth == 0 && closedAt < 0) {
                closedAt = int(block.lines.size()) - 1;
            }
        }
    }
    flush();
    return result;
}

} // namespace exchange
