// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QWidget>

// A click as a push button makes it: the left button pressed on a control and released over it.
class ClickTracker
{
public:
    void press(const QMouseEvent *event) { m_pressed = event->button() == Qt::LeftButton; }

    // Forgets the press, so that the next release completes no click.
    void cancel() { m_pressed = false; }

    // True when this release completes a click on widget.
    bool release(const QMouseEvent *event, const QWidget *widget)
    {
        const bool wasPressed = m_pressed;
        m_pressed = false;
        return wasPressed && event->button() == Qt::LeftButton &&
               widget->rect().contains(event->position().toPoint());
    }

private:
    bool m_pressed = false;
};
