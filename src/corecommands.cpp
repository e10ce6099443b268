// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "catalogue.h"
#include "classfolder.h"
#include "contentnames.h"
#include "counted.h"
#include "exchange/exchange.h"
#include "journal.h"
#include "qtplatform.h"
#include "questionfile.h"
#include "savefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
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

// A catalogued worksheet by its exact title, or a built-in quiz by its file name in any case.
} // namespace

Loaded load(const ContentPaths &paths, const QString &title)
{
    Loaded loaded;
    QString file;
    for (const QString &quiz : BuiltInQuizzes) {
        if (quiz.compare(title, Qt::CaseInsensitive) == 0) {
            file = questionfile::fileName(quiz);
            loaded.builtIn = true;
        }
    }
    if (file.isEmpty()) {
        AppState listed;
        catalogue::read(paths.path(contentnames::Catalogue), listed);
        if (catalogue::titles(listed).contains(title))
            file = questionfile::fileName(title);
    }
    if (file.isEmpty()) {
        loaded.error =
            QCoreApplication::translate("CommandLine", "There is no worksheet or quiz called %1.")
                .arg(title);
        return loaded;
    }
    QFile source(paths.path(file));
    if (!source.open(QIODevice::ReadOnly) ||
        !questionfile::LoadQuestionFile(&source, loaded.quiz).ok())
        loaded.error =
            QCoreApplication::translate("CommandLine", "The worksheet %1 seems to be corrupted.")
                .arg(title);
    return loaded;
}

QString notConfirmed()
{
    return QCoreApplication::translate("CommandLine",
                                       "The disk did not confirm the change to the folder: the "
                                       "file may be lost if the power fails now.");
}

namespace
{

int exportFile(const RunFolderPaths &paths, const QString &title, const QString &fileName,
               QTextStream &out, QTextStream &err)
{
    const std::optional<exchange::Format> format = exchange::formatForFileName(fileName);
    if (!format) {
        err << QCoreApplication::translate(
                   "CommandLine", "Please name a .gift file (GIFT) or a .txt file (Aiken).")
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
        written = exchange::write(device, *format, loaded.quiz);
        return written.ok();
    });
    if (!saved) {
        err << QCoreApplication::translate("CommandLine", "Cannot write %1. %2")
                   .arg(fileName, saved.error)
            << Qt::endl;
        return 1;
    }
    for (const QString &problem : written.problems)
        out << problem << Qt::endl;
    if (!saved.confirmed)
        err << notConfirmed() << Qt::endl;
    out << QCoreApplication::translate("CommandLine", "Exported %1 to %2 as %3.")
               .arg(title, fileName,
                    *format == exchange::Format::Gift ? QStringLiteral("GIFT")
                                                      : QStringLiteral("Aiken"))
        << Qt::endl;
    return 0;
}

// import and print are the windows module's; the program hands them over to it, so this is seen
// only when that module is missing.
int missingModule(QTextStream &err)
{
    err << QCoreApplication::translate(
               "CommandLine", "This command needs the program's quorvel-windows module, which is "
                              "missing.")
        << Qt::endl;
    return 1;
}

QString resultsFolder(const RunFolderPaths &paths)
{
    return paths.path(contentnames::ResultsFolder);
}

int results(const RunFolderPaths &paths, const QString &since, const QString &pupil,
            const QString &csv, bool csvSet, QTextStream &out, QTextStream &err)
{
    QDate from;
    if (!since.isEmpty()) {
        from = QDate::fromString(since, Qt::ISODate);
        if (!from.isValid()) {
            err << QCoreApplication::translate("CommandLine",
                                               "--since needs a date written as 2026-09-01.")
                << Qt::endl;
            return 2;
        }
    }
    const journal::Read read = journal::readFolder(resultsFolder(paths));
    if (!read.error.isEmpty())
        err << read.error << Qt::endl;
    if (read.skipped > 0)
        err << counted("CommandLine",
                       QT_TRANSLATE_NOOP("CommandLine",
                                         "1 damaged or unfinished line of the results files was "
                                         "skipped."),
                       QT_TRANSLATE_N_NOOP("CommandLine",
                                           "%n damaged or unfinished lines of the results files "
                                           "were skipped."),
                       read.skipped)
            << Qt::endl;
    const QVector<journal::Record> records = journal::filter(read.records, from, {}, pupil);
    if (csvSet && csv == QLatin1String("-")) {
        out.flush();
        QFile standardOutput;
        if (!standardOutput.open(stdout, QIODevice::WriteOnly) ||
            !journal::writeCsv(&standardOutput, records))
            return 1;
        return 0;
    }
    if (csvSet) {
        const savefile::Result saved = savefile::replace(
            csv, [&](QIODevice *device) { return journal::writeCsv(device, records); });
        if (!saved) {
            err << QCoreApplication::translate("CommandLine", "Cannot write %1. %2")
                       .arg(csv, saved.error)
                << Qt::endl;
            return 1;
        }
        out << counted("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Wrote 1 result to %1."),
                       QT_TRANSLATE_N_NOOP("CommandLine", "Wrote %n results to %1."),
                       int(records.size()))
                   .arg(csv)
            << Qt::endl;
        return 0;
    }
    const journal::Table table = journal::summarize(records);
    for (int p = 0; p < table.pupils.size(); ++p) {
        for (int c = 0; c < table.columns.size(); ++c) {
            const auto cell = table.cells.constFind({p, c});
            if (cell == table.cells.cend())
                continue;
            out << QCoreApplication::translate("CommandLine",
                                               "%1\t%2 (%3)\tbest %4/%5\tlatest %6/%7\t%8")
                       .arg(table.pupils[p], table.columns[c].first, table.columns[c].second)
                       .arg(cell->best)
                       .arg(cell->bestOutOf)
                       .arg(cell->latest)
                       .arg(cell->latestOutOf)
                       .arg(counted("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "1 try"),
                                    QT_TRANSLATE_N_NOOP("CommandLine", "%n tries"), cell->tries))
                << Qt::endl;
        }
    }
    // "%1 of %2.": "12 results of 3 pupils."
    out << QCoreApplication::translate("CommandLine", "%1 of %2.")
               .arg(counted("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "1 result"),
                            QT_TRANSLATE_N_NOOP("CommandLine", "%n results"), int(records.size())),
                    counted("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "1 pupil"),
                            QT_TRANSLATE_N_NOOP("CommandLine", "%n pupils"),
                            int(table.pupils.size())))
        << Qt::endl;
    return 0;
}

} // namespace

namespace
{

QtMessageHandler toolkitMessages = nullptr;

void withoutRuntimeDirWarning(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        toolkitMessages(type, context, message);
}

} // namespace

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
}

void leaveOutRuntimeDirWarning()
{
    toolkitMessages = qInstallMessageHandler(withoutRuntimeDirWarning);
}

QString takeClassFolder(QStringList &arguments)
{
    QString folder;
    for (qsizetype i = 1; i < arguments.size();) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--class-folder") && i + 1 < arguments.size()) {
            folder = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (a.startsWith(QLatin1String("--class-folder="))) {
            folder = a.mid(int(qstrlen("--class-folder=")));
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    return folder;
}

bool wanted(const QStringList &arguments)
{
    return arguments.size() > 1;
}

bool needsGraphics(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return arguments[i] == QLatin1String("print") ||
                   arguments[i] == QLatin1String("import");
    }
    return false;
}

QString fileToOpen(const QStringList &arguments)
{
    static const QStringList commands = {QStringLiteral("import"), QStringLiteral("export"),
                                         QStringLiteral("print"), QStringLiteral("results")};
    if (arguments.size() != 2 || arguments[1].startsWith(QLatin1Char('-')) ||
        commands.contains(arguments[1]) || !QFileInfo(arguments[1]).isFile())
        return QString();
    return QFileInfo(arguments[1]).absoluteFilePath();
}

int run(const QStringList &arguments, const QString &runFolder, const QString &classFolder,
        QTextStream &out, QTextStream &err, const GraphicCommands *graphic)
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
        "  results [--since DATE] [--pupil NAME] [--csv FILE]\n"
        "                                the class's results: each pupil's best and latest score\n"
        "                                and tries, or every result as CSV (--csv - prints it)\n"
        "\n"
        "TITLE is a worksheet's title as the catalogue lists it, or a built-in quiz by its file\n"
        "name: introduction, electricity, \"Michael Faraday\".\n"
        "\n"
        "Every command, and the windows, work on the class folder named by --class-folder DIR,\n"
        "else by the variable QUORVEL_CLASS_FOLDER, else by ClassFolder in quorvel.conf, else\n"
        "on this login's own worksheet folder."));
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
    const QCommandLineOption classFolderOption(
        QStringLiteral("class-folder"),
        QCoreApplication::translate("CommandLine",
                                    "The class folder: worksheets, catalogue and results/."),
        QCoreApplication::translate("CommandLine", "DIR"));
    const QCommandLineOption since(
        QStringLiteral("since"),
        QCoreApplication::translate("CommandLine",
                                    "results: only those finished on or after DATE (2026-09-01)."),
        QCoreApplication::translate("CommandLine", "DATE"));
    const QCommandLineOption pupil(
        QStringLiteral("pupil"),
        QCoreApplication::translate("CommandLine", "results: only this pupil's."),
        QCoreApplication::translate("CommandLine", "NAME"));
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        QCoreApplication::translate(
            "CommandLine", "results: every result as CSV into FILE (- for standard output)."),
        QCoreApplication::translate("CommandLine", "FILE"));
    parser.addOptions(
        {title, list, answers, pdf, languageOption, classFolderOption, since, pupil, csv});
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "command"),
        QCoreApplication::translate("CommandLine",
                                    "import, export, print or results, then its arguments."));

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
    const bool resultsOption = parser.isSet(since) || parser.isSet(pupil) || parser.isSet(csv);
    const classfolder::Choice chosen = classfolder::choose(
        parser.isSet(classFolderOption) ? parser.value(classFolderOption) : classFolder, runFolder);
    if (!chosen.problem.isEmpty())
        err << chosen.problem << Qt::endl;
    RunFolderPaths paths(runFolder, chosen.folder);
    paths.setLanguage(QLocale().name()); // the language installed before the command runs
    if (command == QLatin1String("results")) {
        if (args.size() != 1 || parser.isSet(title) || parser.isSet(list) ||
            parser.isSet(answers) || parser.isSet(pdf))
            return usage(QStringLiteral("results [--since DATE] [--pupil NAME] [--csv FILE]"));
        return results(paths, parser.value(since), parser.value(pupil), parser.value(csv),
                       parser.isSet(csv), out, err);
    }
    if (resultsOption)
        return usage(QStringLiteral("results [--since DATE] [--pupil NAME] [--csv FILE]"));
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
        if (!graphic)
            return missingModule(err);
        return graphic->importFile(paths, args[1], parser.value(title), parser.isSet(list), out,
                                   err);
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
        if (!graphic)
            return missingModule(err);
        return graphic->printFile(paths, runFolder, args[1], parser.isSet(answers),
                                  parser.value(pdf), out, err);
    }
    err << QCoreApplication::translate("CommandLine",
                                       "Unknown command %1; quorvel --help lists the commands.")
               .arg(command.isEmpty() ? QStringLiteral("(none)") : command)
        << Qt::endl;
    return 2;
}

} // namespace commandline
