// SPDX-License-Identifier: GPL-3.0-or-later
// The windows module (quorvel-windows): the program with its windows, and the commands that draw
// (print) or read GIFT's HTML (import). The program's own file (main.cpp) links only the toolkit's
// core, runs the other commands itself, and loads this module for everything else.
#include "application.h"
#include "commandline.h"
#include "displayscale.h"
#include "fonts.h"
#include "highcontrast.h"
#include "language.h"
#include "settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

namespace
{

// The command line draws its printouts offscreen, so it runs without a display.
int runCommandLine(int argc, char *argv[], const QStringList &arguments, const QString &classFolder,
                   const QString &languageOption)
{
    commandline::leaveOutRuntimeDirWarning();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fonts::registerDesignFaces();
    commandline::nameProgram();
    language::install(app, language::chosen(languageOption));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return commandline::run(arguments, QCoreApplication::applicationDirPath(), classFolder, out,
                            err, &commandline::graphicCommands());
}

// How long after start-up the window icon is set: after the title screen's first paint.
constexpr int IconDelayMs = 150;

// An installed copy shows the desktop entry's icon (share/icons/hicolor beside lib/quorvel) on its
// windows, for task bars that show a window's own icon. Named files instead of an icon-theme
// lookup, and nothing at all for a copy run from the build, keep start-up quick.
void setInstalledIcon()
{
    const QString file =
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/../../share/icons/hicolor/%1x%1/apps/org.quorvel.quorvel.png");
    if (!QFileInfo::exists(file.arg(48)))
        return;
    QIcon icon;
    for (const int size : {32, 48, 128})
        icon.addFile(file.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace

// The program as main.cpp hands it over: its arguments as given, for the windows or for a command
// that needs the graphical side (commandline::needsGraphics).
extern "C" Q_DECL_EXPORT int quorvel_windows(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // --fullscreen opens the windows full screen, as the settings file's FullScreen does.
    const bool fullScreenAsked = arguments.removeAll(QStringLiteral("--fullscreen")) > 0;
    const QString languageOption = language::takeOption(arguments);
    const QString classFolder = commandline::takeClassFolder(arguments);
    const QString fileToOpen = commandline::fileToOpen(arguments);
    if (fileToOpen.isEmpty() && commandline::wanted(arguments))
        return runCommandLine(argc, argv, arguments, classFolder, languageOption);
    QApplication app(argc, argv);
    commandline::nameProgram();
    language::install(app, language::chosen(languageOption));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.quorvel"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Controls without a design font (the title screen's buttons, message boxes) use Arial, so
    // no further face has to be loaded for them.
    QApplication::setFont(fonts::arial(9.75));

    displayscale::start(fullScreenAsked || settings::flag(QStringLiteral("FullScreen")));
    highcontrast::setOn(settings::flag(QStringLiteral("HighContrast")));

    Application quorvel(QCoreApplication::applicationDirPath(), classFolder);
    quorvel.start(fileToOpen);
    // The title screen goes on view without the window icon, which costs about 5 ms (three
    // pictures decoded and handed to the X server before the window is mapped). It follows a
    // moment later; the screens made after that have it from the start.
    QTimer::singleShot(IconDelayMs, setInstalledIcon);
    return QApplication::exec();
}
