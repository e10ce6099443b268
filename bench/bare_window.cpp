// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks: a bare Qt Widgets program showing one 800 x 600 window, for start-up. With
// --label, the window shows one line of text as well: the least any window with text costs.
// With --switch, the window has a line of text and a button in its middle, and the button
// replaces it with a new window of the same kind, as the program's screens replace one another:
// the least a change of screen costs (screen_tour --bare clicks it). With --fullscreen, every
// window is the size of the program's screens in full screen: 800 x 600 scaled to fill the
// screen's height or width.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace
{

QSize windowSize = QSize(800, 600);

// A window of the --switch kind; its button shows the next one and closes it.
QWidget *switchingWindow()
{
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("bare"));
    window->setFixedSize(windowSize);
    (new QLabel(QStringLiteral("Quorvel"), window))->move(10, 10);
    auto *next = new QPushButton(QStringLiteral("Next"), window);
    next->setGeometry(windowSize.width() / 2 - 50, windowSize.height() / 2 - 20, 100, 40);
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
    if (arguments.contains(QStringLiteral("--fullscreen"))) {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const double f = std::min(screen.width() / 800.0, screen.height() / 600.0);
        windowSize = QSize(qRound(800 * f), qRound(600 * f));
    }
    if (arguments.contains(QStringLiteral("--switch"))) {
        switchingWindow()->show();
        return QApplication::exec();
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(windowSize);
    if (arguments.contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Quorvel"), &window))->move(10, 10);
    window.show();
    return QApplication::exec();
}
