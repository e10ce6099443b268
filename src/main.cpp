#include "application.h"
#include "fonts.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace
{

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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.quorvel"));
    setInstalledIcon();
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::registerDesignFaces();
    // Controls without a design font (the title screen's buttons, message boxes) use Arial, so
    // no further face has to be loaded for them.
    QApplication::setFont(fonts::arial(9.75));

    Application quorvel(QCoreApplication::applicationDirPath());
    quorvel.start();
    return QApplication::exec();
}
