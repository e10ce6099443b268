// SPDX-License-Identifier: GPL-3.0-or-later
#include "importer.h"

#include "catalogue.h"
#include "contentnames.h"
#include "wizardchecks.h"

#include <QFile>
#include <QFileInfo>

namespace importer
{

namespace
{

bool taken(const QString &title, const QStringList &listed, const PathOf &pathOf)
{
    for (const QString &name : listed) {
        if (name.compare(title, Qt::CaseInsensitive) == 0)
            return true;
    }
    const QString path = pathOf(questionfile::fileName(title));
    return wizardchecks::isReservedTitle(title) || path.isEmpty() || QFileInfo::exists(path);
}

QString numbered(const QString &title, int n)
{
    return n == 1 ? title : title + QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString questions(int count)
{
    return count == 1 ? QStringLiteral("1 question") : QStringLiteral("%1 questions").arg(count);
}

QString titleForFile(const QString &fileName)
{
    QString title;
    for (QChar c : QFileInfo(fileName).completeBaseName()) {
        const QString one(c);
        title += catalogue::isStorableTitle(QStringLiteral("a") + one + QStringLiteral("a"))
                     ? one
                     : QStringLiteral(" ");
    }
    title = title.simplified().left(MaxBaseTitleLength).trimmed();
    while (title.endsWith(QLatin1Char('.')))
        title.chop(1);
    if (!catalogue::isStorableTitle(title) || wizardchecks::isReservedTitle(title))
        return QStringLiteral("Imported");
    return title;
}

Outcome import(const exchange::ReadResult &read, const QString &title, const PathOf &pathOf,
               Module1 &state)
{
    Outcome outcome;
    if (!read.error.isEmpty()) {
        outcome.error = read.error;
        return outcome;
    }
    const int sheets = int(read.questions.size()) / Module1::MaxQuestions;
    const int left = int(read.questions.size()) % Module1::MaxQuestions;
    outcome.leftOver = read.questions.mid(sheets * Module1::MaxQuestions);
    if (sheets == 0) {
        outcome.error =
            read.questions.isEmpty()
                ? QStringLiteral("The file holds no question that a worksheet can take.")
                : QStringLiteral("The file holds only %1 that a worksheet can take; "
                                 "a worksheet needs ten.")
                      .arg(questions(left));
        outcome.report = read.skipped;
        return outcome;
    }
    const QString cataloguePath = pathOf(contentnames::Catalogue);
    QStringList listed;
    if (!catalogue::readAll(cataloguePath, &listed).isEmpty())
        outcome.error = QStringLiteral("The catalogue of worksheets cannot be read.");
    // Refused before any worksheet is written, not part way through.
    const int room = Module1::MaxWorksheets - int(listed.size());
    if (outcome.error.isEmpty() && room <= 0)
        outcome.error = QStringLiteral("The catalogue of worksheets is full (%1 worksheets).")
                            .arg(Module1::MaxWorksheets);
    else if (outcome.error.isEmpty() && sheets > room)
        outcome.error = QStringLiteral("The file would make %1 worksheets, but the catalogue has "
                                       "room for only %2 more (it holds at most %3).")
                            .arg(sheets)
                            .arg(room)
                            .arg(Module1::MaxWorksheets);
    if (outcome.error.isEmpty() && title.size() > MaxBaseTitleLength)
        outcome.error =
            QStringLiteral("Please use a title of at most %1 characters.").arg(MaxBaseTitleLength);
    if (outcome.error.isEmpty())
        outcome.error = wizardchecks::titleFailure(title);
    if (!outcome.error.isEmpty())
        return outcome;

    outcome.report = read.skipped;
    int number = 1;
    for (int s = 0; s < sheets; ++s) {
        questionfile::Worksheet sheet;
        while (taken(numbered(title, number), listed, pathOf))
            ++number;
        sheet.title = numbered(title, number);
        for (int q = 0; q < Module1::MaxQuestions; ++q)
            sheet.questions[q] = read.questions[s * Module1::MaxQuestions + q];
        const QString path = pathOf(questionfile::fileName(sheet.title));
        bool written = false;
        const catalogue::Change change =
            catalogue::saveWorksheet(cataloguePath, path, sheet, state, &written);
        if (!change.ok) {
            if (written)
                QFile::remove(path); // a new file, not listed: nothing is left half-done
            outcome.error =
                QStringLiteral("The worksheet %1 was not saved. ").arg(sheet.title) + change.error;
            return outcome;
        }
        listed.append(sheet.title);
        outcome.written.append(sheet.title);
        outcome.report.append(
            QStringLiteral("Made the worksheet %1 of the questions taken %2 to %3.")
                .arg(sheet.title)
                .arg(s * 10 + 1)
                .arg(s * 10 + 10));
    }
    if (left > 0)
        outcome.report.append(QStringLiteral("Left over: the last %1, too few for a worksheet of "
                                             "ten.")
                                  .arg(questions(left)));
    return outcome;
}

} // namespace importer
