#include "application.h"
#include "fonts.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    // The installed desktop entry and icon; a copy run from the build has no icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.quorvel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.quorvel.quorvel")));
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::registerDesignFaces();
    // Controls without a design font (the title screen's buttons, message boxes) use Arial, so
    // no further face has to be loaded for them.
    QApplication::setFont(fonts::arial(9.75));

    Application quorvel(QCoreApplication::applicationDirPath());
    quorvel.start();
    return QApplication::exec();
}
