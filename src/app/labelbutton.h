#pragma once

#include "clicktracker.h"

#include <QLabel>

// The clickable entries of every screen: a bordered label, yellow text on a back colour that
// shows only while the button is opaque. Clicks come on release over the button, as with any
// push button; moves of the pointer over it are reported for highlighting. A double-click counts
// as one click. The button takes the keyboard focus, Enter and Space press it, and screen
// readers see a push button named by its caption.
class LabelButton : public QLabel
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
