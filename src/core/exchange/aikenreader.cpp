// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/aikenreader.h"

#include "exchange/common.h"

#include <QCoreApplication>
#include <QPair>
#include <QRegularExpression>

namespace exchange
{

ReadResult readAiken(const QVector<Line> &lines)
{
    ReadResult result;
    static const QRegularExpression option(QStringLiteral("^([A-Z])[.)]\\s+(.*)$"));
    static const QRegularExpression answerLine(QStringLiteral("^ANSWER:\\s*(\\S*)\\s*$"));
    int first = 0;
    QString stem;
    QVector<QPair<QChar, QString>> options;
    bool blankAfterStem = false;

    const auto skipped = [&](const QString &why) { skip(&result, unnamed(first, stem), why); };
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
        const core::Result fits = checkFits(question);
        if (!fits)
            return skipped(fits.error);
        take(&result, unnamed(first, stem), question);
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
    return result;
}

} // namespace exchange
