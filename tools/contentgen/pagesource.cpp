// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagecomposer.h"

#include "ansi.h"

#include <QRegularExpression>

// The page source format of content/pages/README.md, read into a Page.
namespace composer
{

namespace
{

bool representable(const QString &s)
{
    return ansi::decode(ansi::encode(s)) == s;
}

// Splits "**bold**" markup into spans; false when a "**" is left open.
bool parseSpans(const QString &text, QVector<Span> *spans)
{
    const QStringList parts = text.split(QStringLiteral("**"));
    for (int i = 0; i < parts.size(); ++i) {
        if (!parts[i].isEmpty())
            spans->append(Span{parts[i], i % 2 == 1});
    }
    return parts.size() % 2 == 1;
}

} // namespace

ParseResult parse(const QString &name, const QString &source)
{
    ParseResult result;
    Page &page = result.page;
    page.name = name;
    QStringList &errors = result.errors;

    static const QRegularExpression numbered(QStringLiteral("^(\\d{1,2})\\.\\s+(.*)$"));
    static const QRegularExpression picture(
        QStringLiteral("^\\[picture:\\s*([^|\\]]+?)\\s*(?:\\|\\s*([^|\\]]*?)\\s*)?"
                       "(?:\\|\\s*(\\d+)%\\s*)?\\]$"));

    // The block being gathered and the text of its lines so far.
    Block current;
    QString gathered;
    bool open = false;
    int openedAt = 0;
    auto close = [&]() {
        if (!open)
            return;
        open = false;
        if (!parseSpans(gathered.simplified(), &current.spans))
            errors << QStringLiteral("line %1: \"**\" is not closed").arg(openedAt);
        page.blocks.append(current);
    };
    auto start = [&](Block::Kind kind, const QString &text, int line) {
        close();
        current = Block();
        current.kind = kind;
        gathered = text;
        open = true;
        openedAt = line;
    };

    const QStringList lines = source.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const int lineNo = n + 1;
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (!representable(line)) {
            errors << QStringLiteral("line %1: a character the page's code page cannot carry")
                          .arg(lineNo);
            continue;
        }
        if (trimmed.startsWith(QLatin1String("//")))
            continue;
        if (trimmed.isEmpty()) {
            close();
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('@'))) {
            close();
            const QString key = trimmed.section(QLatin1Char(' '), 0, 0);
            const QString value = trimmed.section(QLatin1Char(' '), 1).trimmed();
            if (key == QLatin1String("@header")) {
                page.header = value;
            } else if (key == QLatin1String("@label")) {
                page.label = value;
            } else if (key == QLatin1String("@theme")) {
                page.theme = value;
                if (!themeNames().contains(value))
                    errors
                        << QStringLiteral("line %1: unknown theme \"%2\"").arg(lineNo).arg(value);
            } else if (key == QLatin1String("@screen-width")) {
                bool ok = false;
                const int w = value.toInt(&ok);
                if (!ok || w < MinScreenWidth || w > ScreenWidth)
                    errors << QStringLiteral("line %1: screen width must be %2 to %3 twips")
                                  .arg(lineNo)
                                  .arg(MinScreenWidth)
                                  .arg(ScreenWidth);
                else
                    page.screenWidth = w;
            } else {
                errors << QStringLiteral("line %1: unknown directive %2").arg(lineNo).arg(key);
            }
            continue;
        }
        if (trimmed.startsWith(QLatin1String("## "))) {
            start(Block::Heading, trimmed.mid(3), lineNo);
            close();
        } else if (trimmed.startsWith(QLatin1String("# "))) {
            start(Block::Title, trimmed.mid(2), lineNo);
            close();
        } else if (trimmed.startsWith(QLatin1String("[picture:"))) {
            close();
            const QRegularExpressionMatch m = picture.match(trimmed);
            if (!m.hasMatch()) {
                errors << QStringLiteral("line %1: expected [picture: file.svg | caption | N%]")
                              .arg(lineNo);
                continue;
            }
            Block b;
            b.kind = Block::Picture;
            b.picture = m.captured(1);
            b.caption = m.captured(2);
            b.widthPercent = m.captured(3).isEmpty() ? 40 : m.captured(3).toInt();
            if (b.widthPercent < 20 || b.widthPercent > 60)
                errors << QStringLiteral("line %1: picture width must be 20% to 60%").arg(lineNo);
            page.blocks.append(b);
        } else if (trimmed.startsWith(QLatin1String("- "))) {
            start(Block::Bullet, trimmed.mid(2), lineNo);
        } else if (trimmed.startsWith(QLatin1String("> "))) {
            if (open && current.kind == Block::Note)
                gathered += QLatin1Char(' ') + trimmed.mid(2);
            else
                start(Block::Note, trimmed.mid(2), lineNo);
        } else if (const QRegularExpressionMatch m = numbered.match(trimmed); m.hasMatch()) {
            start(Block::Numbered, m.captured(2), lineNo);
            current.number = m.captured(1).toInt();
        } else if (open) {
            gathered += QLatin1Char(' ') + trimmed;
        } else {
            start(Block::Paragraph, trimmed, lineNo);
        }
    }
    close();

    if (page.header.isEmpty())
        errors << QStringLiteral("no @header");
    if (page.theme.isEmpty())
        errors << QStringLiteral("no @theme");
    if (page.blocks.isEmpty())
        errors << QStringLiteral("no text");
    return result;
}

} // namespace composer
