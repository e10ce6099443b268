// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "catalogue.h"
#include "contentnames.h"
#include "devices.h"
#include "exchange.h"
#include "importer.h"
#include "printlayouts.h"
#include "qtplatform.h"
#include "savefile.h"
#include "wizardchecks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace commandline
{

namespace
{

const QStringList BuiltInQuizzes = {QStringLiteral("introduction"), QStringLiteral("electricity"),
                                    QStringLiteral("Michael Faraday")};

struct Loaded {
    Module1 bank;
    QString topic; // the topic line the program prints above it
    QString error;
};

// A catalogued worksheet by its exact title, or a built-in quiz by its file name in any case.
Loaded load(const ContentPaths &paths, const QString &title)
{
    Loaded loaded;
    QString file;
    for (const QString &quiz : BuiltInQuizzes) {
        if (quiz.compare(title, Qt::CaseInsensitive) == 0) {
            file = questionfile::fileName(quiz);
            loaded.topic = printlayouts::QuizTopic;
        }
    }
    if (file.isEmpty()) {
        Module1 listed;
        catalogue::read(paths.path(contentnames::Catalogue), listed);
        if (catalogue::titles(listed).contains(title))
            file = questionfile::fileName(title);
        loaded.topic = printlayouts::WorksheetTopic;
    }
    if (file.isEmpty()) {
        loaded.error =
            QCoreApplication::translate("CommandLine", "There is no worksheet or quiz called %1.")
                .arg(title);
        return loaded;
    }
    QFile source(paths.path(file));
    if (!source.open(QIODevice::ReadOnly) ||
        !questionfile::LoadQuestionFile(&source, loaded.bank).ok)
        loaded.error =
            QCoreApplication::translate("CommandLine", "The worksheet %1 seems to be corrupted.")
                .arg(title);
    return loaded;
}

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
    Module1 state;
    const importer::Outcome outcome = importer::import(
        read, title.isEmpty() ? importer::titleForFile(fileName) : title,
        [&](const QString &name) { return paths.path(name); }, state);
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

int exportFile(const RunFolderPaths &paths, const QString &title, const QString &fileName,
               QTextStream &out, QTextStream &err)
{
    exchange::Format format;
    if (!exchange::formatForFileName(fileName, &format)) {
        err << QStringLiteral("Please name a .gift file (GIFT) or a .txt file (Aiken).")
            << Qt::endl;
        return 1;
    }
    const Loaded loaded = load(paths, title);
    if (!loaded.error.isEmpty()) {
        err << loaded.error << Qt::endl;
        return 1;
    }
    exchange::WriteResult written;
    const savefile::Result saved = savefile::replace(fileName, [&](QIODevice *device) {
        written = exchange::write(device, format, loaded.bank);
        return written.ok;
    });
    if (!saved) {
        err << QCoreApplication::translate("CommandLine", "Cannot write %1. %2")
                   .arg(fileName, saved.error)
            << Qt::endl;
        return 1;
    }
    for (const QString &problem : written.problems)
        out << problem << Qt::endl;
    out << QCoreApplication::translate("CommandLine", "Exported %1 to %2 as %3.")
               .arg(title, fileName,
                    format == exchange::Format::Gift ? QStringLiteral("GIFT")
                                                     : QStringLiteral("Aiken"))
        << Qt::endl;
    return 0;
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
    const PrintJob job =
        answers
            ? printlayouts::answerKey(*printer, loaded.topic, loaded.bank.QuizTitle, loaded.bank)
            : printlayouts::worksheet(*printer, loaded.topic, loaded.bank.QuizTitle, loaded.bank);
    if (!pdf.isEmpty()) {
        const savefile::Result saved = playIntoPdf(job, *printer, paths, pdf);
        if (!saved) {
            err << QCoreApplication::translate("CommandLine", "Cannot save %1. %2")
                       .arg(pdf, saved.error)
                << Qt::endl;
            return 1;
        }
    } else if (!playPrintJob(job, *printer, paths)) {
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

bool wanted(int argc)
{
    return argc > 1;
}

QString fileToOpen(const QStringList &arguments)
{
    static const QStringList commands = {QStringLiteral("import"), QStringLiteral("export"),
                                         QStringLiteral("print")};
    if (arguments.size() != 2 || arguments[1].startsWith(QLatin1Char('-')) ||
        commands.contains(arguments[1]) || !QFileInfo(arguments[1]).isFile())
        return QString();
    return QFileInfo(arguments[1]).absoluteFilePath();
}

int run(const QStringList &arguments, const QString &runFolder, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Quorvel, science for primary schools. Without arguments the program opens its windows.\n"
        "\n"
        "Commands:\n"
        "  import FILE [--title TITLE]   make worksheets of the questions in a GIFT or Aiken file\n"
        "  import FILE --list            list every question of the file: fits, or why not\n"
        "  export TITLE FILE             write a worksheet or built-in quiz to a GIFT file (.gift)"
        "\n"
        "                                or an Aiken file (.txt)\n"
        "  print TITLE [--answers] [--pdf FILE]\n"
        "                                print a worksheet, or its answer key, on the default\n"
        "                                printer or into a PDF file\n"
        "\n"
        "TITLE is a worksheet's title as the catalogue lists it, or a built-in quiz by its file\n"
        "name: introduction, electricity, \"Michael Faraday\"."));
    // Not addHelpOption: its --help-all lists the windowing toolkit's options, which the command
    // line does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Shows this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption title(
        QStringLiteral("title"),
        QCoreApplication::translate("CommandLine", "import: the title of the new worksheets."),
        QCoreApplication::translate("CommandLine", "TITLE"));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        QCoreApplication::translate("CommandLine", "print: the answer key instead."));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QCoreApplication::translate("CommandLine", "print: into this PDF file instead."),
        QCoreApplication::translate("CommandLine", "FILE"));
    const QCommandLineOption list(
        QStringLiteral("list"),
        QCoreApplication::translate("CommandLine", "import: list the questions, import nothing."));
    // Taken by main before the command runs; listed here so that the help shows it.
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QCoreApplication::translate("CommandLine",
                                    "the language of the program's texts, as es or en."),
        QCoreApplication::translate("CommandLine", "CODE"));
    parser.addOptions({title, list, answers, pdf, languageOption});
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "command"),
        QCoreApplication::translate("CommandLine", "import, export or print, then its arguments."));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << Qt::endl;
        return 0;
    }

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const auto usage = [&](const QString &line) {
        err << QCoreApplication::translate("CommandLine", "Usage: quorvel %1").arg(line)
            << Qt::endl;
        return 2;
    };
    const RunFolderPaths paths(runFolder, RunFolderPaths::worksheetFolderFor(runFolder));
    if (command == QLatin1String("import")) {
        if (args.size() != 2 || parser.isSet(answers) || parser.isSet(pdf) ||
            (parser.isSet(list) && parser.isSet(title)))
            return usage(QStringLiteral("import FILE [--title TITLE | --list]"));
        if (parser.isSet(title) && parser.value(title).trimmed().isEmpty()) {
            err << QCoreApplication::translate(
                       "CommandLine", "--title needs a title; leave it out to name the worksheets "
                                      "after the file.")
                << Qt::endl;
            return 2;
        }
        return importFile(paths, args[1], parser.value(title), parser.isSet(list), out, err);
    }
    if (command == QLatin1String("export")) {
        if (args.size() != 3 || parser.isSet(title) || parser.isSet(list) ||
            parser.isSet(answers) || parser.isSet(pdf))
            return usage(QStringLiteral("export TITLE FILE"));
        return exportFile(paths, args[1], args[2], out, err);
    }
    if (command == QLatin1String("print")) {
        if (args.size() != 2 || parser.isSet(title) || parser.isSet(list))
            return usage(QStringLiteral("print TITLE [--answers] [--pdf FILE]"));
        return printFile(paths, runFolder, args[1], parser.isSet(answers), parser.value(pdf), out,
                         err);
    }
    err << QCoreApplication::translate("CommandLine",
                                       "Unknown command %1; quorvel --help lists the commands.")
               .arg(command.isEmpty() ? QStringLiteral("(none)") : command)
        << Qt::endl;
    return 2;
}

} // namespace commandline
