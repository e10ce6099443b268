// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

class QFrame;
class QLabel;
class QPushButton;
class PictureBox;

// The first window of every run and the program's exit screen: title, picture and credits over
// the backdrop, with "OK" (or "Cancel" on the exit screen) and "Exit".
class Titlefrm : public Screen
{
    Q_OBJECT
public:
    explicit Titlefrm(AppContext &ctx);
    void Form_Load() override;

    // Shows the screen as the way out of the program: "Cancel" in place of "OK".
    void showAsExitScreen();

    void Command1_Click();
    void Command2_Click();

    QFrame *Frame1;
    QLabel *Label4;
    PictureBox *Picture1;
    QLabel *Label1;
    QLabel *Label5;
    QLabel *Label3;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label2;

protected:
    void closeRequested() override { Command2_Click(); }
    void afterShow() override;
    void warmNext() override;

private:
    void dressWithoutPicture();

    bool m_dressed = false;
};
