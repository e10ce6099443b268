// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

class SoundPlayer;

// The backdrop: a borderless window covering the whole screen behind every other window for the
// whole run. It carries the program's sound player.
class Backdrop : public Screen
{
    Q_OBJECT
public:
    explicit Backdrop(AppContext &ctx);
    void load() override;

    SoundPlayer &soundPlayer();

protected:
    void closeRequested() override {}
    // A click on the backdrop would bring it over every screen and seem to close the program:
    // it goes back behind them instead.
    void mousePressEvent(QMouseEvent *event) override;
    QPaintEngine *paintEngine() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Where it can, the display server itself fills the window with its background colour, so the
    // backdrop needs no full-screen backing store of its own.
    bool m_serverBackground = false;
};
