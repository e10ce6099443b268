// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questionfile.h"

#include <QString>

#include <array>

// The program's shared state. Screens hand work to each other only through these members (and by
// setting captions and pictures on the screen they are about to show). Every member keeps the name
// the screens use for it. Numbers start at 0, which is also how an unset value counts.
struct AppState {
    static constexpr int MaxQuestions = questionfile::QuestionsPerSheet;
    static constexpr int MaxWorksheets = 1000;

    qint16 SoundOn = 0;

    // The quiz loaded from its question file.
    questionfile::Worksheet quiz;

    qint16 QuestionNo = 0;
    std::array<qint16, MaxQuestions + 1> AnswerMark{};
    qint16 Score = 0;
    qint16 OutOf = 0;
    QString TopicName;

    // The worksheet catalogue as last read.
    qint16 WorksheetCount = 0;
    std::array<QString, MaxWorksheets + 1> WorksheetNames; // index 0 unused
    qint16 CataloguePage = 0;
    QString ChosenWorksheet;

    // The page viewer and the guide.
    QString PageName;
    qint16 PageCount = 0;
    qint16 PageNumber = 0;

    // Frame of the logo animation and state of the experiment switches.
    qint16 StepCounter = 0;
    qint16 StepCounter2 = 0;
};
