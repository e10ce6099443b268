// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QStringList>

#include <array>

class QLabel;
class LabelButton;

// The review of a finished quiz: the questions the pupil got wrong, under the worksheet's title.
// Filled in by the quiz while hidden; shown from the results screen.
class ReviewScreen : public Screen
{
    Q_OBJECT
public:
    static constexpr int Rows = 10;

    explicit ReviewScreen(AppContext &ctx);
    void load() override;
    void buttonClicked(int Index);
    // Lists the questions answered wrongly (at most Rows) under the worksheet's title.
    void showWrongAnswers(const QString &title, const QStringList &rows);

private:
    QLabel *worksheetTitle;
    QLabel *introText;
    std::array<QLabel *, Rows> wrongAnswerRows{};
    QLabel *adviceText;
    LabelButton *exitButton;
};
