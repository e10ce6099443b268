// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks: a bare Qt Widgets program showing one 800 x 600 window, for start-up. With
// --label, the window shows one line of text as well: the least any window with text costs.
// With --switch, the window has a line of text and a button in its middle, and the button
// replaces it with a new window of the same kind, as the program's screens replace one another:
// the least a change of screen costs (screen_tour --bare clicks it).
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace
{

// A window of the --switch kind; its button shows the next one and closes it.
QWidget *switchingWindow()
{
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("bare"));
    window->setFixedSize(800, 600);
    (new QLabel(QStringLiteral("Quorvel"), window))->move(10, 10);
    auto *next = new QPushButton(QStringLiteral("Next"), window);
    next->setGeometry(350, 280, 100, 40);
    QObject::connect(next, &QPushButton::clicked, window, [window] {
        switchingWindow()->show();
        window->close();
    });
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("--switch"))) {
        switchingWindow()->show();
        return QApplication::exec();
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(800, 600);
    if (arguments.contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Quorvel"), &window))->move(10, 10);
    window.show();
    return QApplication::exec();
}
