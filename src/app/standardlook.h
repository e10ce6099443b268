// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QString;
class QWidget;

// The standard look every screen but the backdrop and the title takes first when it loads:
// background RGB(39, 63, 137), 12000 x 9000 twips, centred on the screen, and the caption
// "Quorvel" unless the screen has named its window already.
// The screen's picture box, when it is given one, gets the background RGB(49, 135, 214).
void applyStandardLook(QWidget *form, QWidget *picture1 = nullptr);

// Names a window by the screen it shows ("Quorvel: Main menu"), so that a screen reader says
// where the pupil is; screen is the screen's name in the language on show. Without one the
// window is called "Quorvel".
void nameWindow(QWidget *form, const QString &screen);

// Centres a top-level window on its screen (a screen shown inside another window stays put).
void centreOnScreen(QWidget *form);

// The backdrop's colour, behind every screen.
QColor backdropColour();

// Style sheet for a tick box on a dark background: the box is drawn in the mark's colour, empty
// on the background colour, and filled with the mark's colour when ticked.
QString tickBoxStyle(const QColor &mark, const QColor &back);
