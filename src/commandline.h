// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate.h"

#include <QStringList>

class ContentPaths;
class QTextStream;
class RunFolderPaths;

// The program's command line, for scripts and for school computers managed from a terminal. It
// needs no display: it works on the same worksheet folder as the program (the per-user folder of
// an installation whose own folder is read-only) and prints through the same printer seam.
//
//   quorvel import FILE [--title TITLE]     GIFT or Aiken questions into worksheets
//   quorvel import FILE --list              every question of the file: fits, or why not
//   quorvel export TITLE FILE               a worksheet or built-in quiz to GIFT (.gift) or
//                                           Aiken (.txt)
//   quorvel print TITLE [--answers] [--pdf FILE]
//   quorvel results [--since DATE] [--pupil NAME] [--csv FILE]
//                                           the class's results: a table, or CSV (- for
//                                           standard output)
//
// TITLE names a catalogued worksheet, or a built-in quiz by its file name ("electricity").
namespace commandline
{

// The program's name, organisation and version, as its settings and --version use them.
void nameProgram();

// A terminal session (ssh, cron) often has no XDG_RUNTIME_DIR; the command line never uses that
// folder, so the toolkit's warning about it is left out and every other message kept.
void leaveOutRuntimeDirWarning();

// Takes the option "--class-folder DIR" (or "--class-folder=DIR"), which the windows and every
// command take, out of arguments (the program's name first); the folder, or an empty string.
QString takeClassFolder(QStringList &arguments);

// Whether these arguments (the program's name first, the class folder taken out) ask for the
// command line rather than the windows: any argument at all, but for a file to open (below).
bool wanted(const QStringList &arguments);

// Whether the command in arguments draws (print) or reads HTML (import), and so needs the
// graphical side of the toolkit (offscreen); the others need only its core.
bool needsGraphics(const QStringList &arguments);

// A file handed over by a file manager ("Open with Quorvel", a double-clicked .gift file): the one
// argument when it is neither a command nor an option and names an existing file; empty
// otherwise. The windows open on the catalogue screen's list of the file's questions.
QString fileToOpen(const QStringList &arguments);

// A catalogued worksheet by its exact title, or a built-in quiz by its file name in any case.
struct Loaded {
    questionfile::Worksheet quiz;
    bool builtIn = false; // one of the program's own quizzes
    QString error;
};
Loaded load(const ContentPaths &paths, const QString &title);

// Said beside the success of a file written whose folder the disk did not confirm (a failed
// folder sync): the file is there, but a power cut now might still take it away.
QString notConfirmed();

// The commands that need the toolkit's graphical side (needsGraphics): import and print, in the
// windows module (commandline.cpp) with the screens.
struct GraphicCommands {
    int (*importFile)(const RunFolderPaths &paths, const QString &fileName, const QString &title,
                      bool list, QTextStream &out, QTextStream &err);
    int (*printFile)(const RunFolderPaths &paths, const QString &runFolder, const QString &title,
                     bool answers, const QString &pdf, QTextStream &out, QTextStream &err);
};
const GraphicCommands &graphicCommands();

// Runs the command in arguments (the program's name first) against the content of runFolder and
// the class folder (classFolder: the option's value, else the variable or the settings file's);
// one line to out per worksheet and per skipped question, problems to err. Returns the exit
// status: 0 when the command did everything it could, 1 when it failed (and then a message on
// err), 2 for a command line that cannot be understood. Without graphic, import and print say
// that the windows module is missing.
int run(const QStringList &arguments, const QString &runFolder, const QString &classFolder,
        QTextStream &out, QTextStream &err, const GraphicCommands *graphic = nullptr);

} // namespace commandline
