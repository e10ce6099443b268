// SPDX-License-Identifier: GPL-3.0-or-later
#include "importer.h"

#include "catalogue.h"
#include "contentnames.h"
#include "counted.h"
#include "wizardchecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace importer
{

namespace
{

// Whether a title is taken: listed in any letter case, one of the program's own, or the name of
// a file in the folder (files: the folder's names in lower case, listed once an import).
bool taken(const QString &title, const QStringList &listed, const QSet<QString> &files)
{
    for (const QString &name : listed) {
        if (name.compare(title, Qt::CaseInsensitive) == 0)
            return true;
    }
    return wizardchecks::isReservedTitle(title) ||
           files.contains((title + QStringLiteral(".txt")).toLower());
}

QString numbered(const QString &title, int n)
{
    return n == 1 ? title : title + QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString questions(int count)
{
    return counted("Import", QT_TRANSLATE_NOOP("Import", "1 question"),
                   QT_TRANSLATE_N_NOOP("Import", "%n questions"), count);
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
        return QCoreApplication::translate("Import", "Imported");
    return title;
}

Outcome import(const exchange::ReadResult &read, const QString &title, const PathOf &pathOf,
               AppState &state, const catalogue::Waiting &waiting)
{
    Outcome outcome;
    if (!read.error.isEmpty()) {
        outcome.error = read.error;
        return outcome;
    }
    const int sheets = int(read.questions.size()) / AppState::MaxQuestions;
    const int left = int(read.questions.size()) % AppState::MaxQuestions;
    outcome.leftOver = read.questions.mid(sheets * AppState::MaxQuestions);
    if (sheets == 0) {
        outcome.error = read.questions.isEmpty()
                            ? QCoreApplication::translate(
                                  "Import", "The file holds no question that a worksheet can take.")
                            : QCoreApplication::translate(
                                  "Import", "The file holds only %1 that a worksheet can take; "
                                            "a worksheet needs ten.")
                                  .arg(questions(left));
        outcome.report = read.skipped;
        return outcome;
    }
    const QString cataloguePath = pathOf(contentnames::Catalogue);
    const catalogue::Listing listing = catalogue::readAll(cataloguePath);
    const QStringList &listed = listing.names;
    if (!listing)
        outcome.error =
            QCoreApplication::translate("Import", "The catalogue of worksheets cannot be read.");
    // Refused before any worksheet is written, not part way through.
    const int room = AppState::MaxWorksheets - int(listed.size());
    if (outcome.error.isEmpty() && room <= 0)
        outcome.error = QCoreApplication::translate(
                            "Import", "The catalogue of worksheets is full (%1 worksheets).")
                            .arg(AppState::MaxWorksheets);
    else if (outcome.error.isEmpty() && sheets > room)
        outcome.error = QCoreApplication::translate(
                            "Import", "The file would make %1 worksheets, but the catalogue has "
                                      "room for only %2 more (it holds at most %3).")
                            .arg(sheets)
                            .arg(room)
                            .arg(AppState::MaxWorksheets);
    if (outcome.error.isEmpty() && title.size() > MaxBaseTitleLength)
        outcome.error =
            QCoreApplication::translate("Import", "Please use a title of at most %1 characters.")
                .arg(MaxBaseTitleLength);
    if (outcome.error.isEmpty())
        outcome.error = wizardchecks::checkTitle(title).error;
    if (!outcome.error.isEmpty())
        return outcome;

    outcome.report = read.skipped;
    if (!read.encoding.isEmpty() && read.encoding != QLatin1String("UTF-8"))
        outcome.report.prepend(
            QCoreApplication::translate("Import", "The file was read as %1.").arg(read.encoding));
    // Every worksheet of the import under one hold of the catalogue's lock: the folder listed once,
    // each file synced on its own, the folder and the catalogue once (catalogue::saveWorksheets).
    const QDir folder = QFileInfo(cataloguePath).dir();
    QSet<QString> files;
    bool filesListed = false;
    catalogue::Save save;
    save.cataloguePath = cataloguePath;
    save.waiting = waiting;
    save.worksheetPath = [&](const QString &t) {
        return folder.filePath(QFileInfo(questionfile::fileName(t)).fileName());
    };
    // The next free title is decided with the catalogue locked, so an import or a wizard save
    // running at the same moment never ends on the same file.
    int number = 1;
    save.pickTitle = [&](const QStringList &listedNow) {
        catalogue::Title picked;
        if (!filesListed) {
            for (const QString &name : folder.entryList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot))
                files.insert(name.toLower());
            filesListed = true;
        }
        while (number <= AppState::MaxWorksheets + 1 &&
               taken(numbered(title, number), listedNow, files))
            ++number;
        if (number > AppState::MaxWorksheets + 1)
            picked.error =
                QCoreApplication::translate("Import", "There is no free title left for %1.")
                    .arg(title);
        else
            picked.title = numbered(title, number);
        return picked;
    };
    QVector<questionfile::Worksheet> made(sheets);
    for (int s = 0; s < sheets; ++s) {
        for (int q = 0; q < AppState::MaxQuestions; ++q)
            made[s].questions[q] = read.questions[s * AppState::MaxQuestions + q];
    }
    int written = 0;
    const catalogue::Change change = catalogue::saveWorksheets(save, made, state, &written);
    for (int s = 0; s < written; ++s) {
        outcome.written.append(made[s].title);
        outcome.report.append(
            QCoreApplication::translate("Import",
                                        "Made the worksheet %1 of the questions taken %2 to %3.")
                .arg(made[s].title)
                .arg(s * 10 + 1)
                .arg(s * 10 + 10));
    }
    if (!change.warning.isEmpty())
        outcome.report.append(change.warning);
    if (!change) {
        const QString &failed = made.value(written).title;
        outcome.error =
            (failed.isEmpty()
                 ? QString()
                 : QCoreApplication::translate("Import", "The worksheet %1 was not saved. ")
                       .arg(failed)) +
            change.error;
        return outcome;
    }
    if (left > 0)
        outcome.report.append(QCoreApplication::translate(
                                  "Import", "Left over: the last %1, too few for a worksheet of "
                                            "ten.")
                                  .arg(questions(left)));
    return outcome;
}

} // namespace importer
