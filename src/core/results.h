// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// How the results screen words a score and which celebration it plays.
namespace results
{

// A number as it is put into a text: non-negative numbers get one leading space.
QString number(int n);

struct Wording {
    bool matched = false;   // false when the score is above the full score: nothing changes
    QString sentence;       // the score sentence (scoreText)
    bool fullMarks = false; // hide the advice, offer the certificate and the name box
    QString hint;           // hintText below full marks
    QString buttonCaption;  // buttons(0)
};

Wording word(int score, int outOf);

// The celebration sounds a score out of ten may play, in table order (empty: no sound).
QStringList celebrationChoices(int score);

// A score as the same share of ten, rounded down: a quiz's score unchanged, an activity's 4 of 4
// as 10 and 3 of 4 as 7, so that a perfect activity celebrates as a perfect quiz does.
int outOfTen(int score, int outOf);

// The sound for a score out of outOf, given a uniform random value in [0, 1); empty for no sound.
QString celebrationSound(int score, int outOf, double random);

// "You have scored n out of m.": the results screen's sentence after its praise, and the line
// printed on the certificate.
QString scoreSentence(int score, int outOf);

} // namespace results
