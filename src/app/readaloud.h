// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class Speech;
class QWidget;

// "Read to me": while it is on, the screens' texts are read aloud through the platform's voice.
//
// A screen says its main text when it is shown (Screen::spokenText), which stops whatever the
// screen before it was saying; screens say what changes on them (a new question, a chosen
// answer, a label picked up) through say(). A control reached by the keyboard (Tab, Shift+Tab)
// is read by its screen-reader name, and F5 reads again the control that has the focus when the
// keyboard was used last, otherwise the main text of the screen in front. While it is off,
// nothing is said and F5 does nothing.
class ReadAloud : public QObject
{
public:
    explicit ReadAloud(Speech &speech);
    ~ReadAloud() override;

    // Empty when the voice can speak; otherwise why not, for the switch's tooltip.
    QString unavailable();
    bool isOn() const { return m_on; }
    // Turns reading on or off (the menu's switch remembers it in the settings file).
    void setOn(bool on);

    // When on: stops what is being said and says these texts, in order.
    void say(const QStringList &texts);
    void say(const QString &text) { say(QStringList{text}); }

    // The name a screen reader gives a control: what is read when it takes the focus.
    static QString nameOf(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readAgain();

    Speech &m_speech;
    bool m_on = false;
    bool m_keyboard = false;
};
