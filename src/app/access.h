// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QPainter;
class QRect;
class QString;
class QWidget;

// Keyboard and screen-reader support shared by every screen.
//
// Controls that the program draws itself (label buttons, draggable labels, drop boxes, clickable
// pictures) are given to screen readers through Qt's accessibility interfaces: each declares its
// role with setRole() and is named by its accessible name or, failing that, its text. Pictures
// without a name only decorate and are left out of the tree.
//
// The focus outline follows the usual desktop rule: it is drawn only once a key has been pressed,
// and disappears again at the next mouse press. It is one overlay per window, laid round
// whichever control has the focus (label buttons, labels, pictures, answers, tick boxes, text
// boxes, the scroll bar), so no control draws it itself.
namespace access
{

// Roles a control can declare (QAccessible::Role values).
enum class Role { PushButton, StaticText, Button };
void setRole(QWidget *widget, Role role);

// Hands a screen reader's focus to WIDGET, a control the keyboard focus does not reach (the box
// an activity's held label is moved to), with WHAT as its description (before the name of a
// text, as screen readers say no description of one): its state says focused
// until the next call, and a focus event makes the screen reader speak it. A null WIDGET only
// takes that back. (Qt sends no text with a changed name, so a screen reader cannot speak one.)
void pointAt(QWidget *widget, const QString &what = QString());

// The picked-up outline of a held label: 5 pixels of white with a black edge.
void drawHeldRing(QPainter &painter, const QRect &rect);

// Installs the accessibility factory and the key/mouse watch for the focus outline on the
// running application; both are removed again when it is destroyed.
class Support : public QObject
{
public:
    Support();
    ~Support() override;

    // The outline on show round the focused control, or null.
    const QWidget *focusOutline() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeOutline();

    bool m_keyboard = false;
    QPointer<QWidget> m_outline;
};

} // namespace access
