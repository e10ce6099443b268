// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "captionlabel.h"
#include "clicktracker.h"

#include <vector>

// A label that takes the keyboard focus but draws its plain text as any label without focus does.
// Qt gives a label that can take the focus a text document of its own, which it fills at the
// label's first paint and after each change of text, and that asks for the label to be drawn a
// second time; the focus changes nothing that is drawn (the focus outline is a control of its
// own), so a change of focus draws nothing either.
class PlainLabel : public CaptionLabel
{
    Q_OBJECT
public:
    using CaptionLabel::CaptionLabel;

protected:
    QFont fontForBox(const QRect &box, int flags) const override;
    QPalette::ColorRole textRole() const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// The clickable entries of every screen: a bordered label, yellow text on a back colour that
// shows only while the button is opaque. Clicks come on release over the button, as with any
// push button; moves of the pointer over it are reported for highlighting. A double-click counts
// as one click. The button takes the keyboard focus, Enter and Space press it, and screen
// readers see a push button named by its caption.
class LabelButton : public PlainLabel
{
    Q_OBJECT
public:
    LabelButton(const QString &caption, const QRect &twipRect, const QFont &font, QWidget *parent,
                const QColor &backColor = Qt::black);

    void setOpaque(bool opaque);
    bool isOpaque() const { return m_opaque; }
    void setBackColor(const QColor &color);

public Q_SLOTS:
    void click();

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_opaque = true;
    ClickTracker m_click;
};

// Label buttons that light up under the pointer: moving over a member makes it opaque (a
// disabled member never lights) and leave() makes every member transparent again, which the
// screen does when the pointer reaches its bare background. A member stays lit until then, so
// several can be lit at once when the pointer passes from one straight to another.
class HoverGroup
{
public:
    // A group that does not light: its members only turn transparent on leave().
    void setLights(bool lights) { m_lights = lights; }

    void add(LabelButton *button);
    template <class Buttons> void addAll(const Buttons &buttons)
    {
        for (LabelButton *button : buttons) {
            if (button)
                add(button);
        }
    }
    void leave() const;

private:
    bool m_lights = true;
    std::vector<LabelButton *> m_buttons; // children of the screen that owns the group
};
