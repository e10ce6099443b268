// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QString;
class QWidget;

// The standard look every screen but the backdrop and the title takes first when it loads:
// background RGB(39, 63, 137), caption "Quorvel", 12000 x 9000 twips, centred on the screen.
// The screen's picture box, when it is given one, gets the background RGB(49, 135, 214).
void applyStandardLook(QWidget *form, QWidget *picture1 = nullptr);

// Centres a top-level window on its screen.
void centreOnScreen(QWidget *form);

// Style sheet for a tick box on a dark background: the box is drawn in the mark's colour, empty
// on the background colour, and filled with the mark's colour when ticked.
QString tickBoxStyle(const QColor &mark, const QColor &back);
