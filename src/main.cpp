#include "application.h"
#include "fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::registerDesignFaces();

    Application quorvel(QCoreApplication::applicationDirPath());
    quorvel.start();
    return QApplication::exec();
}
