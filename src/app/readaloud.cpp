// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include "platform.h"
#include "screen.h"
#include "stage.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

ReadAloud::ReadAloud(Speech &speech) : m_speech(speech)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

ReadAloud::~ReadAloud()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

QString ReadAloud::unavailable()
{
    return m_speech.unavailable();
}

void ReadAloud::setOn(bool on)
{
    if (m_on && !on)
        m_speech.stop();
    m_on = on;
}

void ReadAloud::say(const QStringList &texts)
{
    if (m_on)
        m_speech.say(texts);
}

QString ReadAloud::nameOf(QWidget *control)
{
    if (!control)
        return {};
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

void ReadAloud::readAgain()
{
    QWidget *focus = QApplication::focusWidget();
    if (m_keyboard && focus) {
        say(nameOf(focus));
        return;
    }
    // The screen is the focus's window, or in full screen the stage's screen in front.
    QWidget *on = focus ? focus : QApplication::activeWindow();
    if (auto *stage = qobject_cast<Stage *>(on))
        on = stage->front();
    while (on && !qobject_cast<Screen *>(on) && !on->isWindow())
        on = on->parentWidget();
    if (const auto *screen = qobject_cast<Screen *>(on))
        say(screen->spokenText());
}

bool ReadAloud::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (m_on && key->key() == Qt::Key_F5 && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                readAgain();
            return true;
        }
        m_keyboard = true;
        break;
    }
    case QEvent::MouseButtonPress:
        m_keyboard = false;
        break;
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        auto *control = qobject_cast<QWidget *>(watched);
        if (m_on && control && !control->isWindow() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            say(nameOf(control));
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
