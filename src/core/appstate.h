// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questionfile.h"

#include <QString>

#include <array>

// The program's shared state. Screens hand work to each other through these members and through
// the operations the screen they are about to show offers. Numbers start at 0, which is also how
// an unset value counts; the per-question and per-worksheet arrays are numbered from 1.
struct AppState {
    static constexpr int MaxQuestions = questionfile::QuestionsPerSheet;
    static constexpr int MaxWorksheets = 1000;

    qint16 soundOn = 0; // 1: sound on

    // The quiz loaded from its question file.
    questionfile::Worksheet quiz;

    // The quiz or activity in play, and its result.
    qint16 questionNumber = 0;                    // the question on view, 1 to 10
    std::array<qint16, MaxQuestions + 1> marks{}; // 1 for each question answered right
    qint16 score = 0;
    qint16 outOf = 0;
    QString topicName; // named on the certificate

    // The worksheet catalogue as last read.
    qint16 worksheetCount = 0;
    std::array<QString, MaxWorksheets + 1> worksheetTitles; // 1 to worksheetCount
    qint16 cataloguePage = 0;
    QString chosenWorksheet;

    // The page viewer and the guide: the page set on view, its pages, and the page shown.
    QString pageSet;
    qint16 pageCount = 0;
    qint16 pageNumber = 0;

    // The frame of the acknowledgments' turning logo, and the activities' circuit switches
    // (0 off, 1 on): the first is the electricity circuit's and the compass circuit's, the second
    // the bulb circuit's.
    qint16 logoFrame = 0;
    qint16 firstSwitch = 0;
    qint16 secondSwitch = 0;
};
