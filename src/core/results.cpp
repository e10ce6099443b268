// SPDX-License-Identifier: GPL-3.0-or-later
#include "results.h"

#include <QCoreApplication>

namespace results
{

QString number(int n)
{
    return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}

Wording word(int score, int outOf)
{
    Wording w;
    const QString scored = scoreSentence(score, outOf);
    if (score > outOf)
        return w;
    w.matched = true;
    if (score == outOf) {
        w.sentence = QCoreApplication::translate("ResultsScreen", "Excellent work. %1").arg(scored);
        w.fullMarks = true;
        w.buttonCaption = QCoreApplication::translate("ResultsScreen", "Print Certificate");
        return w;
    }
    w.sentence = score >= outOf - 2
                     ? QCoreApplication::translate("ResultsScreen", "Good work. %1").arg(scored)
                     : scored;
    w.hint = QCoreApplication::translate(
        "ResultsScreen",
        "Click the button above to check which questions you answered incorrectly.");
    w.buttonCaption = QCoreApplication::translate("ResultsScreen", "Check Wrong Answers");
    return w;
}

QStringList celebrationChoices(int score)
{
    switch (score) {
    case 10:
        return {QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")};
    case 9:
        return {QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"),
                QStringLiteral("wav\\klaxon.wav")};
    case 8:
        return {QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"),
                QStringLiteral("wav\\clap2.wav")};
    case 7:
        return {QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"),
                QStringLiteral("wav\\whizz.wav")};
    case 6:
        return {QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")};
    default:
        return {};
    }
}

int outOfTen(int score, int outOf)
{
    if (outOf <= 0 || outOf == 10)
        return score;
    return score * 10 / outOf;
}

QString celebrationSound(int score, int outOf, double random)
{
    const QStringList choices = celebrationChoices(outOfTen(score, outOf));
    if (choices.isEmpty())
        return {};
    const int k = static_cast<int>(choices.size());
    const int r = qBound(0, static_cast<int>(random * k), k - 1);
    return choices[r];
}

QString scoreSentence(int score, int outOf)
{
    // number() keeps the sign's place of a negative score ("scored-1"), as the design shows it.
    return QCoreApplication::translate("ResultsScreen", "You have scored%1 out of%2.")
        .arg(number(score), number(outOf));
}

} // namespace results
