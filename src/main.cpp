// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own file. It links only the toolkit's core: the commands that draw nothing
// (--help, --version, export, results) run here and start as quickly as any small program of the
// toolkit. The windows, and the commands that draw or read GIFT's HTML (print, import), are in the
// windows module (windows.cpp), loaded from beside this file when they are asked for.
#include "commandline.h"
#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

#include <cstdio>

namespace
{

// Without a display the windowing toolkit would abort with a message of its own: say in one line
// what is missing instead. QT_QPA_PLATFORM may name platforms to try in turn ("wayland;xcb"); an
// empty one means the usual choice. X11 needs DISPLAY and Wayland WAYLAND_DISPLAY; any other
// platform (offscreen, eglfs, vnc) is left to its own checks.
bool hasDisplay()
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QStringList platforms =
        qEnvironmentVariable("QT_QPA_PLATFORM").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (platforms.isEmpty())
        return x11 || wayland;
    for (const QString &platform : platforms) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name == QLatin1String("xcb")) {
            if (x11)
                return true;
        } else if (!name.startsWith(QLatin1String("wayland")) || wayland) {
            return true;
        }
    }
    return false;
}

// Hands the arguments as given to the windows module beside this file (a link into modules/ when
// installed). Its application object is made there, so this file's folder is found without one.
int runWindows(int argc, char *argv[])
{
    QLibrary module(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
                    QStringLiteral("/quorvel-windows"));
    using Windows = int (*)(int, char **);
    const auto windows = reinterpret_cast<Windows>(module.resolve("quorvel_windows"));
    if (!windows) {
        std::fprintf(stderr, "Quorvel cannot load its quorvel-windows module: %s\n",
                     qPrintable(module.errorString()));
        return 1;
    }
    return windows(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    arguments.removeAll(QStringLiteral("--fullscreen"));
    const QString languageOption = language::takeOption(arguments);
    const QString classFolder = commandline::takeClassFolder(arguments);
    const bool command =
        commandline::fileToOpen(arguments).isEmpty() && commandline::wanted(arguments);
    if (command && !commandline::needsGraphics(arguments)) {
        commandline::leaveOutRuntimeDirWarning();
        QCoreApplication app(argc, argv);
        commandline::nameProgram();
        language::install(app, language::chosen(languageOption));
        QTextStream out(stdout);
        QTextStream err(stderr);
        return commandline::run(arguments, QCoreApplication::applicationDirPath(), classFolder, out,
                                err);
    }
    if (!command && !hasDisplay()) {
        // Said in the program's language, so the translations are loaded first.
        commandline::leaveOutRuntimeDirWarning();
        QCoreApplication app(argc, argv);
        commandline::nameProgram();
        language::install(app, language::chosen(languageOption));
        QTextStream(stderr) << QCoreApplication::translate(
                                   "CommandLine",
                                   "Quorvel needs a display to open its window; without one, "
                                   "\"quorvel --help\" lists the commands it can run.")
                            << Qt::endl;
        return 1;
    }
    return runWindows(argc, argv);
}
