#pragma once

#include "screen.h"

class SoundPlayer;

// The backdrop: a borderless window covering the whole screen behind every other window for the
// whole run. It carries the program's sound player.
class Grey : public Screen
{
    Q_OBJECT
public:
    explicit Grey(AppContext &ctx);
    void Form_Load() override;

    SoundPlayer &SndDevil1();

protected:
    void closeRequested() override {}
};
