// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange.h"

#include "ansi.h"
#include "questionfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

namespace exchange
{

namespace
{

// A line of the file's text, which the reader keeps for as long as its lines are in use.
struct Line {
    int number = 0; // from 1
    QStringView text;
};

// The longest piece of a file's text quoted in a message.
constexpr int MaxQuoted = 60;

QString shortQuote(const QString &text)
{
    if (text.size() <= MaxQuoted)
        return text;
    qsizetype cut = MaxQuoted - 3;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("...");
}

// UTF-8, with any byte that does not belong to a well-formed sequence read as Windows-1252.
// Counts the well-formed sequences of more than one byte and the bytes read the other way.
QString decodeMixed(const QByteArray &bytes, int *multiByte, int *strays)
{
    QString out;
    out.reserve(bytes.size());
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = b[i];
        int length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (c < 0x80) {
            out.append(QChar(c));
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            length = 2, code = c & 0x1F, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, code = c & 0x0F, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, code = c & 0x07, least = 0x10000;
        }
        bool good = length > 0 && i + length <= n;
        for (int k = 1; good && k < length; ++k) {
            good = (b[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (b[i + k] & 0x3F);
        }
        good = good && code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (good) {
            out.append(QString::fromUcs4(&code, 1));
            ++*multiByte;
            i += length;
        } else {
            out.append(ansi::decode(QByteArray(1, char(c))));
            ++*strays;
            ++i;
        }
    }
    return out;
}

// The file's bytes as text, by one rule: a byte-order mark says UTF-8 or UTF-16; without one, a
// file whose bytes above 127 form at least as many well-formed UTF-8 sequences as stray bytes is
// UTF-8 (any stray byte read as Windows-1252, as an older tool that added to the file wrote it);
// any other is Windows-1252. *encoding names what was used, for the report.
QString decodeText(QByteArray bytes, QString *encoding)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        *encoding = QStringLiteral("UTF-16");
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        return utf16.decode(bytes.mid(2));
    }
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    if (marked)
        bytes.remove(0, 3);
    int multiByte = 0;
    int strays = 0;
    QString text = decodeMixed(bytes, &multiByte, &strays);
    if (strays == 0 || marked || multiByte >= strays) {
        *encoding = strays == 0 ? QStringLiteral("UTF-8")
                    : strays == 1
                        ? QCoreApplication::translate(
                              "Import", "UTF-8 (1 byte that is not UTF-8 read as Windows-1252)")
                        : QCoreApplication::translate("Import",
                                                      "UTF-8 (%1 bytes that are not UTF-8 read as "
                                                      "Windows-1252)")
                              .arg(strays);
        return text;
    }
    *encoding = QStringLiteral("Windows-1252");
    return ansi::decode(bytes);
}

// The file as lines of text, or an error. A run of blank lines is kept as one: only the break
// between questions counts.
QString decodeLines(QIODevice *device, QString *fileText, QVector<Line> *lines, QString *encoding)
{
    const QByteArray bytes = device->read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize)
        return QCoreApplication::translate(
                   "Import", "The file is larger than %1 MB, too large for a question file.")
            .arg(MaxFileSize / (1024 * 1024));
    QString &text = *fileText;
    text = decodeText(bytes, encoding);
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\r') &&
            c != QLatin1Char('\t'))
            return QCoreApplication::translate("Import", "The file is not a text file.");
    }
    qsizetype from = 0;
    int number = 0;
    bool blank = false;
    while (from <= text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        ++number;
        const QStringView line = QStringView(text).mid(from, end - from);
        const bool isBlank = line.trimmed().isEmpty();
        if (!isBlank || !blank)
            lines->append({number, line});
        blank = isBlank;
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        from = end + 1;
    }
    return QString();
}

QString collapsed(const QString &text)
{
    return text.simplified();
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

// A text as the quiz will show it: an "&" the question file cannot carry becomes "and".
QString asShown(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String(" and "));
    return collapsed(out);
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

// Every question of the file goes through one of these two, so the report and the list of
// entries agree. label names the question as the report does.
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

QString unnamed(int line, const QString &words)
{
    return QCoreApplication::translate("Import", "line %1 (\"%2\")")
        .arg(line)
        .arg(firstWords(words));
}

// Why a complete question cannot go into a worksheet, or an empty string.
QString unfit(const questionfile::Question &q)
{
    QChar bad;
    QStringList texts{q.text};
    for (const QString &answer : q.answers)
        texts << answer;
    for (const QString &text : texts) {
        if (text.isEmpty())
            return text == q.text ? QCoreApplication::translate("Import", "its question is empty")
                                  : QCoreApplication::translate("Import", "it has an empty answer");
        if (text.startsWith(QLatin1Char('"')))
            return QCoreApplication::translate("Import",
                                               "it begins a text with a double quote mark");
        if (!storable(text, &bad))
            return bad.unicode() < 0x20 || (bad.unicode() >= 0x7F && bad.unicode() <= 0x9F)
                       ? QCoreApplication::translate(
                             "Import", "it holds an invisible control character (U+%1)")
                             .arg(QString::number(bad.unicode(), 16)
                                      .toUpper()
                                      .rightJustified(4, QLatin1Char('0')))
                       : QCoreApplication::translate(
                             "Import", "it uses the character \"%1\", which a worksheet cannot "
                                       "hold")
                             .arg(bad);
    }
    if (q.text.size() > MaxQuestionLength)
        return QCoreApplication::translate("Import", "its question is longer than %1 characters")
            .arg(MaxQuestionLength);
    for (int a = 0; a < 4; ++a) {
        if (q.answers[a].size() > MaxAnswerLength)
            return QCoreApplication::translate("Import", "answer %1 is longer than %2 characters")
                .arg(QChar(u'A' + a))
                .arg(MaxAnswerLength);
    }
    return QString();
}

// ---- GIFT ----

// Escaped characters are held as private-use characters while the question is taken apart.
constexpr char16_t EscapeBase = 0xE000;
const QString Escapable = QStringLiteral("~=#{}:\\");

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

// An entity such as "&lt;" in a text that is not HTML: the worksheet cannot hold it as written,
// and "and lt;" would change it.
QString entityOutsideHtml(const QString &text)
{
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    return entity.match(text).captured(0);
}

struct GiftAnswer {
    QChar mark; // '=' or '~'
    QString text;
    double weight = -1; // -1: no weight given
};

// The kind of answer set that is not one worksheet question, or empty when it may be one.
QString answerSetKind(const QString &body, QVector<GiftAnswer> *answers)
{
    const QString trimmed = body.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("Import", "it is an essay question");
    if (trimmed.startsWith(QLatin1Char('#')))
        return QCoreApplication::translate("Import", "it is a numeric question");
    // As learning platforms decide: any "~" makes a multiple-choice question.
    if (!trimmed.contains(QLatin1Char('~'))) {
        static const QStringList truth = {QStringLiteral("T"), QStringLiteral("F"),
                                          QStringLiteral("TRUE"), QStringLiteral("FALSE")};
        if (trimmed.startsWith(QLatin1Char('=')) && trimmed.contains(QLatin1String("->")))
            return QCoreApplication::translate("Import", "it is a matching question");
        if (truth.contains(trimmed.section(QLatin1Char('#'), 0, 0).trimmed().toUpper()))
            return QCoreApplication::translate("Import", "it is a true/false question");
        if (trimmed.startsWith(QLatin1Char('=')))
            return QCoreApplication::translate("Import", "it is a short-answer question");
    }
    if (trimmed[0] != QLatin1Char('=') && trimmed[0] != QLatin1Char('~'))
        return QCoreApplication::translate("Import", "its answers cannot be read");
    static const QRegularExpression weight(QStringLiteral("^%(-?\\d+(?:\\.\\d+)?)%"));
    qsizetype start = 0;
    for (qsizetype i = 1; i <= trimmed.size(); ++i) {
        if (i < trimmed.size() && trimmed[i] != QLatin1Char('=') && trimmed[i] != QLatin1Char('~'))
            continue;
        GiftAnswer answer;
        answer.mark = trimmed[start];
        answer.text = trimmed.mid(start + 1, i - start - 1).section(QLatin1Char('#'), 0, 0);
        const auto m = weight.match(answer.text.trimmed());
        if (m.hasMatch()) {
            answer.weight = m.captured(1).toDouble();
            answer.text = answer.text.trimmed().mid(m.capturedLength());
        }
        answers->append(answer);
        start = i;
    }
    for (const GiftAnswer &answer : *answers) {
        if (answer.weight > 0 && answer.weight < 100)
            return QCoreApplication::translate("Import", "it gives part marks for several answers");
    }
    return QString();
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
            name = shortQuote(collapsed(restoreEscapes(s.mid(2, end - 2))));
            s = s.mid(end + 2).trimmed();
        }
    }
    const bool html = takeMarker(&s);
    QString entity; // the first entity found in a text that is not HTML
    // Each answer may have a marker of its own; the question's was taken off above.
    const auto clean = [&entity](QString text, bool isHtml, bool ownMarker = true) {
        if (ownMarker)
            isHtml = takeMarker(&text) || isHtml;
        const QString plain = restoreEscapes(text);
        if (!isHtml && entity.isEmpty())
            entity = entityOutsideHtml(plain);
        return asShown(isHtml ? fromHtml(plain) : plain);
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

    QVector<GiftAnswer> answers;
    const QString kind = answerSetKind(body, &answers);
    if (!kind.isEmpty())
        return skipped(kind);
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
        return skipped(QCoreApplication::translate(
                           "Import", "it writes \"%1\" in a text that is not HTML, which a "
                                     "worksheet cannot hold as written")
                           .arg(entity));
    const QString why = unfit(question);
    if (!why.isEmpty())
        return skipped(why);
    take(result, label, question);
}

// Questions are separated by blank lines; one that follows another without a blank line starts
// on the first line after the other's answers that names a question ("::") or opens answers.
void readGift(const QVector<Line> &lines, ReadResult *result)
{
    Block block;
    int depth = 0;      // braces open at the end of the lines so far
    int closedAt = -1;  // the block's line that closed its first answer set, or -1
    bool cloze = false; // the block's first answer set is an embedded-answers one
    const auto flush = [&] {
        if (!block.text().trimmed().isEmpty())
            readGiftBlock(block, result);
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
}

// ---- Aiken ----

// A question is its stem (one or more lines), lettered choices and an "ANSWER:" line. A line
// followed by a blank line and then by no choice is not part of a question (a heading): it is
// skipped and reported.
void readAiken(const QVector<Line> &lines, ReadResult *result)
{
    static const QRegularExpression option(QStringLiteral("^([A-Z])[.)]\\s+(.*)$"));
    static const QRegularExpression answerLine(QStringLiteral("^ANSWER:\\s*(\\S*)\\s*$"));
    int first = 0;
    QString stem;
    QVector<QPair<QChar, QString>> options;
    bool blankAfterStem = false;

    const auto skipped = [&](const QString &why) { skip(result, unnamed(first, stem), why); };
    const auto restart = [&](const Line &line) {
        first = line.number;
        stem = line.text.trimmed().toString();
        options.clear();
        blankAfterStem = false;
    };
    const auto finish = [&](const QString &letter) {
        if (options.size() != 4)
            return skipped(QCoreApplication::translate("Import", "it has %1 answers, not 4")
                               .arg(options.size()));
        for (int a = 0; a < 4; ++a) {
            for (int b = 0; b < a; ++b) {
                if (options[a].first == options[b].first)
                    return skipped(QCoreApplication::translate(
                                       "Import", "two of its answers have the letter %1")
                                       .arg(options[a].first));
            }
        }
        questionfile::Question question;
        question.text = asShown(stem);
        bool found = false;
        QString entity = entityOutsideHtml(stem);
        for (int a = 0; a < 4; ++a) {
            question.answers[a] = asShown(options[a].second);
            question.ticks[a] = letter == options[a].first;
            found = found || question.ticks[a];
            if (entity.isEmpty())
                entity = entityOutsideHtml(options[a].second);
        }
        if (!found)
            return skipped(
                QCoreApplication::translate("Import", "its ANSWER line names none of its answers"));
        if (!entity.isEmpty())
            return skipped(QCoreApplication::translate(
                               "Import", "it writes \"%1\", which a worksheet cannot hold as "
                                         "written")
                               .arg(entity));
        const QString why = unfit(question);
        if (!why.isEmpty())
            return skipped(why);
        take(result, unnamed(first, stem), question);
    };

    for (const Line &line : lines) {
        const QString text = line.text.trimmed().toString();
        if (text.isEmpty()) {
            blankAfterStem = !stem.isEmpty() && options.isEmpty();
            continue;
        }
        const auto answer = answerLine.match(text);
        if (answer.hasMatch()) {
            if (!stem.isEmpty())
                finish(answer.captured(1));
            stem.clear();
            options.clear();
            blankAfterStem = false;
            continue;
        }
        const auto m = option.match(text);
        if (m.hasMatch() && !stem.isEmpty()) {
            options.append({m.captured(1)[0], m.captured(2)});
            blankAfterStem = false;
            continue;
        }
        if (!stem.isEmpty() && !options.isEmpty()) {
            skipped(QCoreApplication::translate("Import", "it has no ANSWER line"));
            restart(line);
        } else if (stem.isEmpty()) {
            restart(line);
        } else if (blankAfterStem) {
            skipped(QCoreApplication::translate("Import", "it is a heading, not a question"));
            restart(line);
        } else {
            stem += QLatin1Char(' ') + text; // a question over several lines
        }
    }
    if (!stem.isEmpty())
        skipped(options.isEmpty()
                    ? QCoreApplication::translate("Import", "it is a heading, not a question")
                    : QCoreApplication::translate("Import", "it has no ANSWER line"));
}

// ---- writing ----

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

} // namespace

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

ReadResult read(QIODevice *device, Format format)
{
    ReadResult result;
    QString text;
    QVector<Line> lines;
    result.error = decodeLines(device, &text, &lines, &result.encoding);
    if (!result.error.isEmpty())
        return result;
    if (format == Format::Gift)
        readGift(lines, &result);
    else
        readAiken(lines, &result);
    return result;
}

ReadResult readFile(const QString &fileName)
{
    ReadResult result;
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.exists())
        result.error =
            QCoreApplication::translate("Import", "There is no file %1.").arg(shortQuote(fileName));
    else if (!info.isFile())
        result.error = QCoreApplication::translate("Import", "%1 is not a plain file.")
                           .arg(shortQuote(fileName));
    else if (!file.open(QIODevice::ReadOnly))
        result.error = QCoreApplication::translate("Import", "The file cannot be opened.");
    else
        result = read(&file, sniff(file.peek(MaxFileSize), fileName));
    return result;
}

WriteResult write(QIODevice *device, Format format, const questionfile::Worksheet &sheet)
{
    WriteResult result;
    const QString title = sheet.title;
    QString out;
    if (format == Format::Gift)
        out += QStringLiteral("// %1\n\n").arg(QString(title).remove(QLatin1Char('\n')));
    for (int q = 1; q <= questionfile::QuestionsPerSheet; ++q) {
        const questionfile::Question &question = sheet.question(q);
        const int right = question.rightAnswer();
        if (right == 0)
            result.problems.append(
                QCoreApplication::translate("Import", "Question %1 has no right answer.").arg(q));
        if (format == Format::Gift) {
            out += QStringLiteral("::%1::%2{\n")
                       .arg(giftEscaped(title + QStringLiteral(" ") + QString::number(q)),
                            giftText(question.text));
            for (int a = 0; a < 4; ++a) {
                out += QStringLiteral("\t%1%2\n")
                           .arg(a + 1 == right ? QLatin1Char('=') : QLatin1Char('~'))
                           .arg(giftAnswer(question.answers[size_t(a)], a + 1 == right));
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
                flat = collapsed(flat);
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
