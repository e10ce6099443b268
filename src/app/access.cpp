// SPDX-License-Identifier: GPL-3.0-or-later
#include "access.h"

#include "picturebox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace
{

const char RoleProperty[] = "quorvelAccessibleRole";
const char PointedProperty[] = "quorvelPointedAt";
QPointer<QWidget> pointed; // the control pointAt() gave the screen reader's focus

// Width of the outline laid outside the focused control: 2 pixels of white between single
// pixels of black, so it stands out on the dark screens, on pictures and on white text boxes.
constexpr int Ring = 4;

class FocusOutline : public QWidget
{
public:
    explicit FocusOutline(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("focusOutline"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawRect(rect().adjusted(Ring - 1, Ring - 1, -Ring, -Ring));
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
};

QAccessible::Role qtRole(access::Role role)
{
    switch (role) {
    case access::Role::PushButton:
        return QAccessible::PushButton;
    case access::Role::Button:
        return QAccessible::Button;
    case access::Role::StaticText:
        break;
    }
    return QAccessible::StaticText;
}

// A control the program draws itself: its declared role, named by its accessible name or its
// text; pressable ones offer the press action, which clicks them.
class AccessibleControl : public QAccessibleWidget
{
public:
    AccessibleControl(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            QString name = widget()->accessibleName();
            if (const auto *label = qobject_cast<const QLabel *>(widget()); label && name.isEmpty())
                name = label->text();
            // Screen readers say no description of a text, so the news a text pointed at brings
            // ("switch, picked up") goes before its name.
            const QString news = widget()->accessibleDescription();
            if (role() == QAccessible::StaticText && !news.isEmpty() &&
                widget()->property(PointedProperty).toBool())
                return news + QStringLiteral(". ") + name;
            if (!name.isEmpty())
                return name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->property(PointedProperty).toBool())
            s.focusable = s.focused = true;
        return s;
    }

    QStringList actionNames() const override
    {
        if (role() == QAccessible::StaticText)
            return QAccessibleWidget::actionNames();
        return QStringList(pressAction()) << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "click");
        else
            QAccessibleWidget::doAction(name);
    }
};

// A window or frame whose decorative pictures are left out of the tree.
class AccessibleContainer : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = shown();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w || w->isWindow())
                continue;
            if (qobject_cast<PictureBox *>(w) && w->accessibleName().isEmpty())
                continue;
            if (w->objectName() == QLatin1String("focusOutline"))
                continue;
            list.append(w);
        }
        return list;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w)
        return nullptr;
    const QVariant role = w->property(RoleProperty);
    if (role.isValid())
        return new AccessibleControl(w, QAccessible::Role(role.toInt()));
    if (className == QLatin1String("Screen") ||
        (className == QLatin1String("QFrame") && w->metaObject() == &QFrame::staticMetaObject))
        return new AccessibleContainer(w,
                                       w->isWindow() ? QAccessible::Window : QAccessible::Grouping);
    return nullptr;
}

// A tick box or an option button looks the same with and without the focus until the focus is
// shown: the style frames it only after keyboard use, and the outline is an overlay. Gaining or
// losing the focus then draws nothing. The first control of a screen gains the focus when its
// window comes to the front, just after the window's first paint, and that repaint had to wait
// for the X server to take in the whole first paint; the menu's first control lost it under the
// backdrop when the exit screen opened. A button held down still hears that it lost the focus.
bool focusDrawsNothing(const QObject *watched, const QEvent *event)
{
    const auto *button = qobject_cast<const QAbstractButton *>(watched);
    if (!button ||
        !(qobject_cast<const QRadioButton *>(button) || qobject_cast<const QCheckBox *>(button)) ||
        button->isDown())
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
           reason != Qt::ShortcutFocusReason &&
           !button->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

// What an option button does itself when it gains the focus, besides drawing: of the buttons it
// is exclusive with, only it is reached with Tab.
void keepTabStop(QAbstractButton *focused)
{
    QList<QAbstractButton *> buttons;
    if (focused->group()) {
        buttons = focused->group()->buttons();
    } else if (focused->autoExclusive() && focused->parentWidget()) {
        for (QAbstractButton *b :
             focused->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
            if (b->autoExclusive() && !b->group())
                buttons.append(b);
        }
    }
    for (QAbstractButton *b : buttons) {
        if (!b->isCheckable())
            continue;
        const int policy = b->focusPolicy();
        const bool stop = b == focused || !focused->isCheckable();
        b->setFocusPolicy(Qt::FocusPolicy(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

} // namespace

namespace access
{

void pointAt(QWidget *widget, const QString &what)
{
    if (pointed && pointed != widget) {
        pointed->setProperty(PointedProperty, false);
        pointed->setAccessibleDescription(QString());
    }
    pointed = widget;
    if (!widget)
        return;
    widget->setProperty(PointedProperty, true);
    if (widget->accessibleDescription() != what)
        widget->setAccessibleDescription(what);
    QAccessibleEvent event(widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void setRole(QWidget *widget, Role role)
{
    widget->setProperty(RoleProperty, int(qtRole(role)));
    // An interface made before the role was known (a text set while a reader listens) is
    // dropped, so the next query makes the right one.
    if (QAccessible::isActive()) {
        QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
        if (made && made->role() != qtRole(role))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void drawHeldRing(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(3.5, 3.5, -3.5, -3.5));
    painter.restore();
}

Support::Support()
{
    QAccessible::installFactory(factory);
    if (qApp)
        qApp->installEventFilter(this);
}

Support::~Support()
{
    QAccessible::removeFactory(factory);
}

const QWidget *Support::focusOutline() const
{
    return m_outline && m_outline->isVisible() ? m_outline.data() : nullptr;
}

bool Support::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        m_keyboard = event->type() == QEvent::KeyPress;
        placeOutline();
        break;
    case QEvent::FocusOut:
        if (focusDrawsNothing(watched, event))
            return true;
        break;
    case QEvent::FocusIn:
        if (focusDrawsNothing(watched, event)) {
            placeOutline();
            keepTabStop(static_cast<QAbstractButton *>(watched));
            return true;
        }
        [[fallthrough]];
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == QApplication::focusWidget())
            placeOutline();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Support::placeOutline()
{
    QWidget *focus = QApplication::focusWidget();
    if (!m_keyboard || !focus || focus->isWindow() || !focus->isVisible()) {
        if (m_outline)
            m_outline->hide();
        return;
    }
    QWidget *window = focus->window();
    if (!m_outline || m_outline->parentWidget() != window) {
        delete m_outline;
        m_outline = new FocusOutline(window);
    }
    const QRect r(focus->mapTo(window, QPoint()), focus->size());
    m_outline->setGeometry(r.adjusted(-Ring, -Ring, Ring, Ring).intersected(window->rect()));
    m_outline->raise();
    m_outline->show();
}

} // namespace access
