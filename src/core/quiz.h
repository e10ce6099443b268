// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate.h"

#include <QVector>

// The quiz's marking, apart from its screen.
namespace quiz
{

// Marks question q of the loaded quiz from the pupil's choice of answer button, 1 to 4 (0 for
// none): marks[q] is 1 only for the right answer.
void mark(AppState &state, int q, int chosenButton);

// Adds up score from marks 1..10 and returns the wrong questions in question order.
QVector<int> finish(AppState &state);

// The review row for a wrong question: " 3. " followed by its text.
QString reviewRow(const AppState &state, int q);

} // namespace quiz
