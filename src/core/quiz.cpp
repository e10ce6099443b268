// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz.h"

#include "results.h"

namespace quiz
{

void mark(AppState &state, int q, int chosenButton)
{
    const int right = state.quiz.question(q).rightAnswer();
    state.marks[q] = right != 0 && chosenButton == right ? 1 : 0;
}

QVector<int> finish(AppState &state)
{
    QVector<int> wrong;
    for (int i = 1; i <= AppState::MaxQuestions; ++i) {
        state.score = static_cast<qint16>(state.score + state.marks[i]);
        if (state.marks[i] == 0)
            wrong.append(i); // row (i - 1) - Score: the wrong answers before it
    }
    return wrong;
}

QString reviewRow(const AppState &state, int q)
{
    return results::number(q) + QStringLiteral(". ") + state.quiz.question(q).text;
}

} // namespace quiz
