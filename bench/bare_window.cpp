// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt Widgets program showing one 800 x 600 window. With
// --label, the window shows one line of text as well: the least any window with text costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(800, 600);
    if (QCoreApplication::arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Quorvel"), &window))->move(10, 10);
    window.show();
    return QApplication::exec();
}
