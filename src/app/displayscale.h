// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// How the 800 x 600 design meets the screen. The one scale is the screen's device-pixel ratio:
// controls, fonts, borders, pictures and pages are laid out in logical pixels and drawn at that
// ratio, so text is drawn at the scaled size, pictures are fetched at the size shown, metafile
// pages stay vectors, and every mouse and touch position maps back to the same design place.
//
// Full screen: the ratio makes the design fill the screen's height or width, the screens are
// frameless and centred on the backdrop. Otherwise the ratio is the desktop's own, lowered where
// the design would not fit the screen's available area.
namespace displayscale
{

// The design's size in logical pixels.
constexpr QSize Design(800, 600);

// The device pixels per design pixel for a screen of screenPixels (available: the part not taken
// by panels), at the desktop's own ratio desktop.
double factorFor(QSize screenPixels, QSize availablePixels, double desktop, bool fullScreen);

// Applies the start-up choice, before any window is made; from then on F11 in any window turns
// full screen on or off.
void start(bool fullScreen);

bool isFullScreen();
// Full screen chosen in the program (F11, the catalogue's tick box): changed, and remembered in
// the settings file for the next start.
void chooseFullScreen(bool on);
// Changes the scale and puts every window on view in its place again at the new one.
void setFullScreen(bool on);

// Makes a screen's window ready to show at the current scale: frameless in full screen (as
// designed otherwise), centred on the screen when the scale changed since it was last placed, the
// backdrop over the whole screen.
void place(QWidget *window);

} // namespace displayscale
