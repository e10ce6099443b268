// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that need the toolkit's graphical side: import (GIFT's HTML is read as the toolkit
// reads rich text) and print. They are in the windows module with the screens; the program's own
// file, which links only the toolkit's core, hands these two commands over to it.
#include "commandline.h"

#include "devices.h"
#include "exchange/exchange.h"
#include "importer.h"
#include "printlayouts.h"
#include "qtplatform.h"

#include <QCoreApplication>
#include <QTextStream>

namespace commandline
{

namespace
{

// Every question of the file, one line each: its name, then "fits" or why it is skipped.
int listFile(const exchange::ReadResult &read, QTextStream &out, QTextStream &err)
{
    if (!read.error.isEmpty()) {
        err << read.error << Qt::endl;
        return 1;
    }
    for (const exchange::ReadResult::Entry &entry : read.entries)
        out << entry.name << ": "
            << (entry.fits() ? QCoreApplication::translate("CommandLine", "fits") : entry.reason)
            << Qt::endl;
    return 0;
}

int importFile(const RunFolderPaths &paths, const QString &fileName, const QString &title,
               bool list, QTextStream &out, QTextStream &err)
{
    const exchange::ReadResult read = exchange::readFile(fileName);
    if (list)
        return listFile(read, out, err);
    AppState state;
    // Said once when another program holds the catalogue, so that a wait of seconds is explained.
    bool told = false;
    const catalogue::Waiting waiting = [&](const QString &holder) {
        if (!told)
            err << QCoreApplication::translate(
                       "WaitNotice", "Waiting for the catalogue of worksheets: %1 is using it.")
                       .arg(holder)
                << Qt::endl;
        told = true;
        return true;
    };
    const importer::Outcome outcome = importer::import(
        read, title.isEmpty() ? importer::titleForFile(fileName) : title,
        [&](const QString &name) { return paths.path(name); }, state, waiting);
    // What was made goes to standard output; every question skipped or left over, to standard
    // error, all of them.
    const QString made = QCoreApplication::translate(
                             "Import", "Made the worksheet %1 of the questions taken %2 to %3.")
                             .section(QStringLiteral("%1"), 0, 0);
    for (const QString &line : outcome.report)
        (line.startsWith(made) ? out : err) << line << Qt::endl;
    const QString complete = QCoreApplication::translate(
        "CommandLine", "The catalogue screen's \"Import Worksheets\" can complete them in the "
                       "wizard.");
    if (outcome.error.isEmpty()) {
        if (!outcome.leftOver.isEmpty())
            err << complete << Qt::endl;
        return 0;
    }
    err << outcome.error << Qt::endl;
    if (outcome.written.isEmpty())
        err << QCoreApplication::translate("CommandLine", "Nothing was imported.") << Qt::endl;
    if (outcome.written.isEmpty() && !outcome.leftOver.isEmpty())
        err << complete << Qt::endl;
    return 1;
}

int printFile(const RunFolderPaths &paths, const QString &runFolder, const QString &title,
              bool answers, const QString &pdf, QTextStream &out, QTextStream &err)
{
    const Loaded loaded = load(paths, title);
    if (!loaded.error.isEmpty()) {
        err << loaded.error << Qt::endl;
        return 1;
    }
    DeviceModule devices(runFolder, paths);
    Printer *printer = devices.printer();
    if (!printer) {
        err << QCoreApplication::translate(
                   "CommandLine",
                   "Printing is not available: the program's quorvel-devices module is "
                   "missing.")
            << Qt::endl;
        return 1;
    }
    if (pdf.isEmpty() && !printer->hasDefaultPrinter()) {
        err << QCoreApplication::translate(
                   "CommandLine",
                   "There is no default printer; --pdf FILE saves a PDF file instead.")
            << Qt::endl;
        return 1;
    }
    const QString topic = loaded.builtIn ? printlayouts::QuizTopic : printlayouts::WorksheetTopic;
    const PrintJob job =
        answers ? printlayouts::answerKey(*printer, topic, loaded.quiz.title, loaded.quiz)
                : printlayouts::worksheet(*printer, topic, loaded.quiz.title, loaded.quiz);
    if (!pdf.isEmpty()) {
        const savefile::Result saved = playIntoPdf(job, *printer, paths, pdf);
        if (!saved) {
            err << QCoreApplication::translate("CommandLine", "Cannot save %1. %2")
                       .arg(pdf, saved.error)
                << Qt::endl;
            return 1;
        }
        if (!saved.confirmed)
            err << notConfirmed() << Qt::endl;
    } else if (!printer->play(job, paths)) {
        err << QCoreApplication::translate("CommandLine",
                                           "There was a problem printing to your printer.")
            << Qt::endl;
        return 1;
    }
    QString done;
    if (pdf.isEmpty())
        done = answers ? QCoreApplication::translate(
                             "CommandLine", "Printed the answer key of %1 on the default printer.")
                       : QCoreApplication::translate(
                             "CommandLine", "Printed the worksheet %1 on the default printer.");
    else
        done = answers
                   ? QCoreApplication::translate("CommandLine", "Saved the answer key of %1 as %2.")
                   : QCoreApplication::translate("CommandLine", "Saved the worksheet %1 as %2.");
    out << (pdf.isEmpty() ? done.arg(title) : done.arg(title, pdf)) << Qt::endl;
    return 0;
}

} // namespace

const GraphicCommands &graphicCommands()
{
    static const GraphicCommands commands{importFile, printFile};
    return commands;
}

} // namespace commandline
