// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelbutton.h"

#include "access.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace
{

// How far a text is made smaller to fit its box: not below 70 % of the design's size.
constexpr qreal MinimumTextScale = 0.7;

} // namespace

QFont PlainLabel::fontForBox(const QRect &box, int flags) const
{
    // A text longer than its box (a translation, most often) is drawn smaller until it fits.
    QFont font = this->font();
    const int designSize = font.pixelSize();
    for (int size = designSize; size > 0 && size >= designSize * MinimumTextScale; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, text());
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    return font;
}

QPalette::ColorRole PlainLabel::textRole() const
{
    // Disabled text takes the palette's disabled text colour, a lighter grey than the frame's.
    return isEnabled() ? foregroundRole() : QPalette::Text;
}

void PlainLabel::focusInEvent(QFocusEvent *event)
{
    event->accept();
}

void PlainLabel::focusOutEvent(QFocusEvent *event)
{
    event->accept();
}

LabelButton::LabelButton(const QString &caption, const QRect &twipRect, const QFont &font,
                         QWidget *parent, const QColor &backColor)
    : PlainLabel(caption, parent)
{
    setTextFormat(Qt::PlainText); // captions may come from files and teachers: never markup
    setGeometry(twips::rect(twipRect));
    setFont(font);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    access::setRole(this, access::Role::PushButton);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    pal.setColor(QPalette::Window, backColor);
    setPalette(pal);
    setOpaque(true);
}

void LabelButton::setOpaque(bool opaque)
{
    // The pointer moving over the screen asks for the same look again and again: only a change
    // is drawn.
    if (opaque == m_opaque && opaque == autoFillBackground())
        return;
    m_opaque = opaque;
    setAutoFillBackground(opaque);
    update();
}

void LabelButton::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.release(event, this))
        Q_EMIT clicked();
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click, wherever it lands, completes no click: the first one
    // has already been acted on, and the screen under the pointer may be another one by now.
    m_click.cancel();
    event->accept();
}

void LabelButton::click()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void LabelButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LabelButton::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMoved();
}

void HoverGroup::add(LabelButton *button)
{
    m_buttons.push_back(button);
    if (m_lights) {
        QObject::connect(button, &LabelButton::mouseMoved, button, [button] {
            if (button->isEnabled())
                button->setOpaque(true);
        });
    }
}

void HoverGroup::leave() const
{
    for (LabelButton *button : m_buttons)
        button->setOpaque(false);
}
