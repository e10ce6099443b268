// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QTimer;
class LabelButton;
class PictureBox;

// The results screen shared by the quiz and the activities: words score against outOf, shows a
// picture, plays a celebration chosen by the score, and offers the certificate at full marks or
// the review of wrong answers below it.
class ResultsScreen : public Screen
{
    Q_OBJECT
public:
    enum Button { CertificateOrReview = 0, Exit = 1 };

    explicit ResultsScreen(AppContext &ctx);
    void load() override;
    // The score sentence, then the hint under it when one is on show.
    QStringList spokenText() const override;

    // Shows the result of a quiz: the hint in place of the advice to read the key facts, and the
    // certificate or review button, whatever the score. notKept: why the result could not be kept
    // in the class folder (empty when it was, or for a guest), said under the score.
    void showQuizResult(const QString &notKept = QString());
    // The same line for an activity's result, shown with the screen.
    void showNotKept(const QString &notKept);

    void printPage();
    void buttonClicked(int Index);
    void showPicture();
    void focusName();
    void celebrate();

    // Where the celebration's random value in [0, 1) comes from; seeded from the clock at each
    // celebration. Tests replace it.
    std::function<double()> random;

    // Reads and keeps the picture the screen shows a moment after it opens.
    void warmPicture() const;

private:
    QLabel *headline;
    std::array<LabelButton *, 2> buttons{};
    PictureBox *celebrationPicture;
    QLabel *scoreText;
    QLabel *hintText;
    QLabel *adviceText;
    QLineEdit *pupilName;
    QLabel *nameHint;
    QLabel *notKeptLine;
    QTimer *pictureTimer;
    QTimer *focusTimer;
    QTimer *soundTimer;

protected:
    // Screen readers hear the score where the focus lands: every control that takes it carries
    // the score sentence and hint.
    void afterShow() override;
    // The review of wrong answers, filled in with this screen, has its captions drawn ahead.
    void warmNext() override;
};
