// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate.h"

#include <QVector>

// The quiz's marking, apart from its screen.
namespace quiz
{

// The answer button (1 to 4) the bank names as correct for question q; 0 when the bank does not
// hold a usable digit (the loader refuses such files, so this is a guard, not a case).
int correctButton(const AppState &state, int q);

// Marks question q from the pupil's choice (0 for none): AnswerMark(q) is 1 only for the
// correct button.
void mark(AppState &state, int q, int chosenButton);

// Adds up Score from AnswerMark 1..10 and returns the wrong questions in question order.
QVector<int> finish(AppState &state);

// The review row for a wrong question: " 3. " followed by its text.
QString reviewRow(const AppState &state, int q);

} // namespace quiz
