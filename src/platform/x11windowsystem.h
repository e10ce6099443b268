// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowsystem.h"

// The display server the application is connected to: an X server through its XCB connection;
// on any other platform every operation declines.
class X11WindowSystem : public WindowSystem
{
public:
    void flush() override;
    bool fillsBackgrounds() const override;
    void fillBackground(WId window, const QColor &colour) override;
    std::unique_ptr<ServerFrames> serverFrames(WId window) override;
};
