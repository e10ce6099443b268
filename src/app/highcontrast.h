// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// High contrast, for a washed-out projector: the text of every label, tick box and option at 7:1
// or more against what lies behind it, and its border at 3:1 or more. Off, the standard look is
// left exactly as it is. A colour that falls short is moved towards black or white, whichever
// reads better, until it reaches the ratio; where neither reaches 7:1 on a label that fills its
// own background, that background becomes black.
namespace highcontrast
{

// The contrast ratio of two colours, 1 to 21.
double ratio(const QColor &a, const QColor &b);

bool isOn();
// Turns it on or off for every window, and for the windows made later.
void setOn(bool on);
// Brings a window's controls to the current setting (their design colours kept, to go back to).
void apply(QWidget *window);

} // namespace highcontrast
