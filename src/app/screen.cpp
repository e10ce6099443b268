// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen.h"

#include "appcontext.h"
#include "captionlabel.h"
#include "displayscale.h"
#include "fonts.h"
#include "highcontrast.h"
#include "labelbutton.h"
#include "stage.h"
#include "textfit.h"
#include "twips.h"
#include "windowsystem.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>

Screen::Screen(AppContext &context) : QWidget(nullptr), ctx(context)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void Screen::showScreen()
{
    if (highcontrast::isOn())
        highcontrast::apply(this);
    if (Stage::takes(this)) {
        ctx.screens.stage().bringToFront(this);
    } else {
        displayscale::place(this);
        show();
        raise();
        activateWindow();
    }
    ctx.screens.raised(this);
    // Qt sends its requests to the X server when the event loop next waits. Sent now, the server
    // maps the window while the program goes on: at start-up, the backdrop is on view while the
    // title is made, and the title while its picture is decoded.
    sendToServer();
    ctx.readAloud.say(spokenText());
    afterShow();
}

void Screen::sendToServer()
{
    ctx.platform.windows.flush();
}

void Screen::backInFront()
{
    if (m_painted)
        warmSoon();
}

bool Screen::event(QEvent *event)
{
    if (event->type() == QEvent::Hide)
        m_painted = false;
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        warmSoon();
    }
    return QWidget::event(event);
}

bool Screen::eventFilter(QObject *watched, QEvent *event)
{
    // A window the X server has just mapped is reported exposed twice: once when Qt learns of
    // the mapping and once by the server's own Expose event, both read before the first is
    // delivered. The first draws the whole window and sends it to the server, after the server
    // produced the second, which would only send the same 800 x 600 picture once more: a second
    // copy in the server and a wait for it before the next drawing.
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        if (m_drawnWhole)
            return true;
        if (m_showing) {
            m_showing = false;
            m_drawnWhole = true;
            QMetaObject::invokeMethod(
                this, [this] { m_drawnWhole = false; }, Qt::QueuedConnection);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Screen::warmSoon()
{
    // Late enough after a paint for the repaints that follow it to be done, well before a person
    // clicks again.
    QTimer::singleShot(100, this, [this] { warmNext(); });
}

void Screen::closeRequested()
{
    ctx.screens.unload(this);
}

void Screen::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        pointerOverBackground();
    QWidget::mouseMoveEvent(event);
}

void Screen::closeEvent(QCloseEvent *event)
{
    // Windows are only ever closed by the program's own buttons; the close button of the window
    // frame does what the screen's own way out does.
    event->ignore();
    if (!ctx.screens.isClosing())
        closeRequested();
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        event->accept();
        escapePressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::escapePressed()
{
    if (m_exitButton && m_exitButton->isVisibleTo(this) && m_exitButton->isEnabled())
        m_exitButton->click();
}

QList<QWidget *> Screen::tabOrder() const
{
    QList<QWidget *> order;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w);
    }
    // Right to left, a row is read from its right-hand end.
    const bool mirrored = isRightToLeft();
    std::stable_sort(
        order.begin(), order.end(), [this, mirrored](const QWidget *a, const QWidget *b) {
            const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
            if (pa.y() != pb.y())
                return pa.y() < pb.y();
            return mirrored ? pa.x() + a->width() > pb.x() + b->width() : pa.x() < pb.x();
        });
    return order;
}

void Screen::showEvent(QShowEvent *event)
{
    if (QWindow *window = windowHandle()) {
        window->installEventFilter(this);
        m_showing = true;
    }
    fitTextsToBoxes(this);
    const QList<QWidget *> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Enter presses a push button that has the focus, as Space does.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(true);
    // Without a focus of its own, the screen starts at the first control of its Tab order.
    if (!focusWidget()) {
        for (QWidget *w : order) {
            if (w->isVisibleTo(this) && w->isEnabled()) {
                w->setFocus();
                break;
            }
        }
    }
    QWidget::showEvent(event);
}

void Screen::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QLabel *Screen::addLabel(const QString &caption, const QRect &twipRect, const QFont &font,
                         const QColor &color, Qt::Alignment align)
{
    auto *label = new CaptionLabel(caption, this);
    label->setTextFormat(Qt::PlainText); // captions may come from files and teachers
    label->setGeometry(twips::rect(twipRect));
    label->setFont(font);
    label->setAlignment(align);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

LabelButton *Screen::addButton(const ButtonEntry &entry, const std::function<void(int)> &onClick,
                               HoverGroup *group)
{
    auto *button = new LabelButton(QCoreApplication::translate("Buttons", entry.caption),
                                   entry.rect, fonts::tahoma(15.75, true), this);
    const int index = entry.index;
    connect(button, &LabelButton::clicked, this, [onClick, index] { onClick(index); });
    if (group)
        group->add(button);
    return button;
}
