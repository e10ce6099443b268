// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

class QFrame;
class QLabel;
class QPushButton;
class PictureBox;

// The first window of every run and the program's exit screen: title, picture and credits over
// the backdrop, with "OK" (or "Cancel" on the exit screen) and "Exit".
class TitleScreen : public Screen
{
    Q_OBJECT
public:
    explicit TitleScreen(AppContext &ctx);
    void load() override;

    // Shows the screen as the way out of the program: "Cancel" in place of "OK".
    void showAsExitScreen();

    void okOrCancelClicked();
    void exitProgramClicked();

protected:
    void closeRequested() override { exitProgramClicked(); }
    void afterShow() override;
    void warmNext() override;

private:
    QFrame *frame;
    QLabel *titleText;
    PictureBox *titlePicture;
    QLabel *authorsText;
    QLabel *programmingText;
    QLabel *editorText;
    QPushButton *okOrCancel;
    QPushButton *exitProgram;
    QLabel *copyrightText;

    void dressWithoutPicture();

    bool m_dressed = false;
};
