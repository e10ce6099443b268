// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labelbutton.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>

struct AppContext;
class QLabel;

// One entry of a screen's control array of label buttons.
struct ButtonEntry {
    int index;
    const char *caption; // English, translated in the context "Buttons"
    QRect rect;          // twips
};

// A screen of the program: one top-level window, created and destroyed only by the
// ScreenRegistry. The constructor builds the controls in their design state; load is the
// load handler, which the registry runs once, while the screen is still hidden.
//
// A screen's controls are its own (private, or protected for the screens built on it): other
// screens and the navigation reach it through its operations, and tests find its controls by the
// object names each screen gives them for their roles (controlnames.h).
class Screen : public QWidget
{
    Q_OBJECT
public:
    explicit Screen(AppContext &ctx);

    virtual void load() {}

    // Shows the screen and brings it to the front.
    void showScreen();
    // The screen is in front again, the one over it unloaded: what it opens next is made ready
    // again, as after its first paint (screens it built ahead may have been opened and unloaded
    // since).
    void backInFront();

    // The screen's main text in reading order, read aloud (when "Read to me" is on) each time the
    // screen is shown, which stops what the screen before was saying, and again on F5. By
    // default nothing: showing the screen only stops the speech.
    virtual QStringList spokenText() const { return {}; }

protected:
    // Runs a tenth of a second after the screen's first paint each time it is shown: reads and
    // decodes what the screens most likely opened next need, and builds those screens, so that
    // opening them waits neither on files nor on building controls.
    virtual void warmNext() {}
    // Runs each time the screen is shown, after it is shown and before its first paint.
    virtual void afterShow() {}
    // Sends what Qt has asked of the X server so far (it does when the event loop next waits):
    // after a show, the server maps the window meanwhile.
    void sendToServer();
    // Runs warmNext a tenth of a second from now, as after a first paint (a page turned, say).
    void warmSoon();
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The pointer moved over the bare window background (not over any control): the hover group
    // turns transparent.
    void pointerOverBackground() { hover.leave(); }
    // The window manager's close button. By default the screen unloads itself.
    virtual void closeRequested();
    // Escape: what the screen's "Exit" does. By default presses the exit button when it is on
    // show and enabled; a screen without one ignores Escape.
    virtual void escapePressed();
    // The label button that Escape presses.
    void setExitButton(LabelButton *button) { m_exitButton = button; }
    // The Tab order, applied each time the screen is shown (hidden controls are passed over);
    // a screen shown without a focus starts at its first control. By default every control that
    // takes the focus, in reading order (top to bottom, then left to right, or right to left in a
    // right-to-left language).
    virtual QList<QWidget *> tabOrder() const;

    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    void setBackColor(const QColor &color);

    // A design label at a twip rectangle: caption, font, text colour, alignment, word wrap,
    // transparent background.
    QLabel *addLabel(const QString &caption, const QRect &twipRect, const QFont &font,
                     const QColor &color, Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop);

    // Builds a control array of label buttons in Tahoma 15.75 pt bold. Clicks are reported with
    // the button's index; the buttons join the hover group when one is given.
    template <std::size_t N>
    void addButtons(std::array<LabelButton *, N> &array, std::initializer_list<ButtonEntry> entries,
                    const std::function<void(int)> &onClick, HoverGroup *group = nullptr)
    {
        for (const ButtonEntry &entry : entries)
            array.at(static_cast<std::size_t>(entry.index)) = addButton(entry, onClick, group);
    }
    LabelButton *addButton(const ButtonEntry &entry, const std::function<void(int)> &onClick,
                           HoverGroup *group);

    AppContext &ctx;
    // The label buttons that light up under the pointer; all of them go transparent when the
    // pointer reaches the bare background.
    HoverGroup hover;

private:
    LabelButton *m_exitButton = nullptr;
    bool m_painted = false;
    // Set when the screen is shown, until its window is first exposed.
    bool m_showing = false;
    // Set from that first exposure, which draws and sends the whole window, to the end of the
    // turn of the event loop that delivers it.
    bool m_drawnWhole = false;
};
