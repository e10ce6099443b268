// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage.h"

#include "displayscale.h"
#include "standardlook.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace
{

Stage *theStage = nullptr;

// The window flags a screen had as a window of its own, for when it leaves the stage.
const char *const OwnFlags = "quorvelOwnWindowFlags";

} // namespace

Stage::Stage()
{
    theStage = this;
    setObjectName(QStringLiteral("stage"));
    nameWindow(this, QString());
    setFixedSize(displayscale::Design);
    // Around a screen smaller than the design, the stage looks like the backdrop.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, backdropColour());
    setPalette(pal);
    setAutoFillBackground(true);
}

Stage::~Stage()
{
    if (theStage == this)
        theStage = nullptr;
}

Stage *Stage::current()
{
    return theStage;
}

bool Stage::takes(const QWidget *screen)
{
    if (!displayscale::isFullScreen() || screen->minimumSize() != screen->maximumSize())
        return false;
    const QSize size = screen->maximumSize();
    if (size == displayscale::Design)
        return true;
    // A smaller screen (the title as the menu's Exit) while the stage is on view; at start-up
    // the title keeps a window of its own size, which costs less to draw than the stage.
    return theStage && theStage->isVisible() && size.width() <= displayscale::Design.width() &&
           size.height() <= displayscale::Design.height();
}

void Stage::centre(QWidget *screen)
{
    screen->move((width() - screen->width()) / 2, (height() - screen->height()) / 2);
}

QList<QWidget *> Stage::screens() const
{
    QList<QWidget *> list;
    for (QObject *child : children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && w->property(OwnFlags).isValid())
            list.append(w);
    }
    return list;
}

QWidget *Stage::front() const
{
    const QList<QWidget *> all = screens();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if ((*it)->isVisibleTo(this))
            return *it;
    }
    return nullptr;
}

bool Stage::isCovered(const QWidget *screen) const
{
    return screen && screen->parentWidget() == this &&
           m_covered.contains(const_cast<QWidget *>(screen));
}

void Stage::bringToFront(QWidget *screen)
{
    if (screen->parentWidget() != this) {
        screen->setProperty(OwnFlags, int(screen->windowFlags()));
        screen->setParent(this, Qt::Widget);
        screen->installEventFilter(this);
    }
    centre(screen);
    displayscale::place(this);
    // The screen in front goes first, so that the keyboard does not pass through it on its way.
    for (QWidget *other : screens()) {
        if (other != screen && other->isVisibleTo(this)) {
            m_covered.append(other);
            other->hide();
        }
    }
    m_covered.removeAll(screen);
    m_covered.removeAll(nullptr);
    screen->show();
    screen->raise();
    setWindowTitle(screen->windowTitle());
    show();
    raise();
    activateWindow();
    // A screen shown again takes the keyboard where it left it.
    QWidget *focus = screen->focusWidget();
    if (focus && focus != screen && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

void Stage::tidy()
{
    if (isVisible() && !front())
        hide();
}

QList<QWidget *> Stage::releaseAll()
{
    QList<QWidget *> released;
    for (QWidget *screen : screens()) {
        if (!screen->isVisibleTo(this) && !isCovered(screen))
            continue; // unloaded, waiting to be deleted
        screen->removeEventFilter(this);
        const auto flags = Qt::WindowFlags(screen->property(OwnFlags).toInt());
        screen->setProperty(OwnFlags, {});
        screen->setParent(nullptr, flags);
        released.append(screen);
    }
    m_covered.clear();
    hide();
    return released;
}

bool Stage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange && watched == front())
        setWindowTitle(static_cast<QWidget *>(watched)->windowTitle());
    if (event->type() == QEvent::Resize)
        centre(static_cast<QWidget *>(watched));
    return QWidget::eventFilter(watched, event);
}

void Stage::keyPressEvent(QKeyEvent *event)
{
    // A key the screen leaves comes back up to the stage: it goes no further.
    QWidget *screen = front();
    if (!screen || m_passingKey) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_passingKey = true;
    QCoreApplication::sendEvent(screen, event);
    m_passingKey = false;
}

void Stage::closeEvent(QCloseEvent *event)
{
    // The window manager's close: what the screen in front does for its own.
    event->ignore();
    if (QWidget *screen = front())
        screen->close();
}
