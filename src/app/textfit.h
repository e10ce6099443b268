// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Makes the text of every plain label, tick box and option on screen (not the label buttons,
// which fit their own texts) fit its box: a text too long for it, a translation most often, is set
// smaller, down to 60 % of the design's size; a text that fits again gets the design's size back.
void fitTextsToBoxes(QWidget *screen);
