// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "commandline.h"
#include "fonts.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{

void name()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
}

QtMessageHandler toolkitMessages = nullptr;

// A terminal session (ssh, cron) often has no XDG_RUNTIME_DIR; the command line never uses that
// folder, so the toolkit's warning about it is left out and every other message kept.
void withoutRuntimeDirWarning(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        toolkitMessages(type, context, message);
}

// The command line draws its printouts offscreen, so it runs without a display; the commands
// that draw nothing make no graphical application at all, and start as quickly as any small
// program of the toolkit.
int runCommandLine(int argc, char *argv[], const QStringList &arguments, const QString &classFolder)
{
    toolkitMessages = qInstallMessageHandler(withoutRuntimeDirWarning);
    std::unique_ptr<QCoreApplication> app;
    if (commandline::needsGraphics(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        fonts::registerDesignFaces();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    name();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return commandline::run(arguments, QCoreApplication::applicationDirPath(), classFolder, out,
                            err);
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

// Without a display the windowing toolkit would abort with a message of its own: say in one line
// what is missing instead. A platform chosen by hand (QT_QPA_PLATFORM) is left to its own checks.
bool hasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString classFolder = commandline::takeClassFolder(arguments);
    const QString fileToOpen = commandline::fileToOpen(arguments);
    if (fileToOpen.isEmpty() && commandline::wanted(arguments))
        return runCommandLine(argc, argv, arguments, classFolder);
    if (!hasDisplay()) {
        std::fputs("Quorvel needs a display to open its window; without one, "
                   "\"quorvel --help\" lists the commands it can run.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    name();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.quorvel"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Controls without a design font (the title screen's buttons, message boxes) use Arial, so
    // no further face has to be loaded for them.
    QApplication::setFont(fonts::arial(9.75));

    Application quorvel(QCoreApplication::applicationDirPath(), classFolder);
    quorvel.start(fileToOpen);
    // The title screen goes on view without the window icon, which costs about 5 ms (three
    // pictures decoded and handed to the X server before the window is mapped). It follows a
    // moment later; the screens made after that have it from the start.
    QTimer::singleShot(IconDelayMs, setInstalledIcon);
    return QApplication::exec();
}
