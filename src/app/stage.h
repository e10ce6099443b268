// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// In full screen, the screens of the design's size are shown one at a time in one window, the
// stage, centred on the backdrop. A window shown for the first time costs Qt and the X server a
// drawing buffer of its whole size and a first drawing of all of it, which at full screen is most
// of a change of screen (about 15 of 20 ms at 1080p, 55 of 60 ms at 4K on a server drawing in
// software). In the stage, a change of screen draws the new screen into the buffer it already has.
//
// A screen in the stage is its child, centred in it. Only the screen in front is shown: those
// under it are covered (hidden, still loaded, out of reach of Tab and the screen reader) and come
// back when the one over them is unloaded. The stage carries the front screen's window title, and
// keys that reach the stage itself go to that screen. Out of full screen each screen is a window
// of its own again, as before.
//
// The screen registry owns the one stage; a change of scale reaches it through current().
class Stage : public QWidget
{
    Q_OBJECT
public:
    Stage();
    ~Stage() override;
    Stage(const Stage &) = delete;
    Stage &operator=(const Stage &) = delete;

    static Stage *current();

    // Whether a screen is shown in the stage: in full screen, one of the design's size, or a
    // smaller one while the stage is on view (centred, on the backdrop's colour).
    static bool takes(const QWidget *screen);

    // Shows the screen in the stage, taking it in if it is not there yet, and the stage over every
    // other window, with the keyboard. The screen that was in front is covered.
    void bringToFront(QWidget *screen);
    bool isCovered(const QWidget *screen) const;
    // The screen in front, if any.
    QWidget *front() const;
    // A screen left the stage or was hidden: with no screen left in front, the stage goes too.
    void tidy();

    // The screens in the stage, bottom to top, the one in front last. They leave it: each is a
    // hidden window of its own again, ready to be placed and shown at a new scale.
    QList<QWidget *> releaseAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QList<QWidget *> screens() const;
    void centre(QWidget *screen);

    QList<QPointer<QWidget>> m_covered;
    bool m_passingKey = false;
};
