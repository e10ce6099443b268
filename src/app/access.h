#pragma once

#include <QObject>

class QPainter;
class QRect;
class QWidget;

// Keyboard and screen-reader support shared by every screen.
//
// Controls that the program draws itself (label buttons, draggable labels, drop boxes, clickable
// pictures) are given to screen readers through Qt's accessibility interfaces: each declares its
// role with setRole() and is named by its accessible name or, failing that, its text. Pictures
// without a name only decorate and are left out of the tree.
//
// The focus outline follows the usual desktop rule: it is drawn only once a key has been pressed,
// and disappears again at the next mouse press.
namespace access
{

// Roles a control can declare (QAccessible::Role values).
enum class Role { PushButton, StaticText, Button };
void setRole(QWidget *widget, Role role);

// Whether widget has the focus and the focus outline is to be shown.
bool focusRingShown(const QWidget *widget);
// The focus outline inside rect: 2 pixels of white inside 1 pixel of black on each side, so it
// stands out on the dark screens, on the pictures and on the controls' own black.
void drawFocusRing(QPainter &painter, const QRect &rect);
// The picked-up outline of a held label: 5 pixels of white with a black edge.
void drawHeldRing(QPainter &painter, const QRect &rect);

// Installs the accessibility factory and the key/mouse watch for the focus outline on the
// running application; both are removed again when it is destroyed.
class Support : public QObject
{
public:
    Support();
    ~Support() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace access
