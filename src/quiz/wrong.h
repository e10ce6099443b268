// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QStringList>

#include <array>

class QLabel;
class LabelButton;

// The review of a finished quiz: the questions the pupil got wrong, under the worksheet's title.
// Filled in by the quiz while hidden; shown from the results screen.
class Wrong : public Screen
{
    Q_OBJECT
public:
    static constexpr int Rows = 10;

    explicit Wrong(AppContext &ctx);
    void Form_Load() override;
    void Label3_Click(int Index);
    // Lists the questions answered wrongly (at most Rows) under the worksheet's title.
    void showWrongAnswers(const QString &title, const QStringList &rows);

    QLabel *Label6;
    QLabel *Label4;
    std::array<QLabel *, Rows> Label2{};
    QLabel *Label5;
    LabelButton *Label3_1;
};
