// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "access.h"
#include "appstate.h"
#include "platform.h"
#include "readaloud.h"
#include "screenregistry.h"

#include <functional>

// What every screen is handed: the shared state, the machine, and the other screens.
struct AppContext {
    explicit AppContext(const Platform &p) : platform(p), readAloud(p.speech), screens(*this) {}

    // Screen-reader interfaces and the keyboard focus outline, for as long as the program runs.
    access::Support accessSupport;
    AppState state;
    Platform platform;
    // "Read to me": off until the menu's switch or the settings file turns it on.
    ReadAloud readAloud;
    ScreenRegistry screens;

    // Who is playing (pupils.h): asked once a run, at the first quiz, worksheet or activity.
    struct Player {
        bool asked = false;
        QString name; // empty: a guest, whose results are not kept
    };
    Player player;

    // Whether catalogue::recover has mended the worksheet folder in this run (the menu does it
    // the first time it opens).
    bool worksheetsRecovered = false;

    // Runs when the program is told to end; by default leaves the event loop with exit code 0.
    std::function<void()> onEnd;

    // Plays a content sound such as "wav\click.wav" when sound is on, through the player on the
    // backdrop. When sound is off nothing happens at all.
    void playSound(const QString &contentPath);

    // Closes every window and ends the run.
    void endProgram();
};
