// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printjob.h"
#include "questionfile.h"

// The two printouts of the quiz part of the program, laid out as printer operations.
namespace printlayouts
{

extern const QString WorksheetHeader;
// The topic line above a worksheet run from the catalogue (the menu's title) and above a
// built-in quiz (the product title).
extern const QString WorksheetTopic;
extern const QString QuizTopic;
// "Well Done" four times, in the language chosen.
QString certificateBanner();
// How the teacher's copy marks a right answer: this mark before it, both in this colour.
extern const QString AnswerMark;
extern const QColor AnswerColour;

// The paper worksheet of the loaded quiz: a header line, topic and title in large centred type,
// then the ten questions with their answers in two columns at a third and two thirds of the width.
PrintJob worksheet(const PrinterMetrics &printer, const QString &topic, const QString &title,
                   const questionfile::Worksheet &quiz);

// The teacher's copy of that worksheet: the same page with each right answer marked, then an
// "Answers" list ("1. C   2. A ..."). The pupil's worksheet never shows the answers.
PrintJob answerKey(const PrinterMetrics &printer, const QString &topic, const QString &title,
                   const questionfile::Worksheet &quiz);

struct Certificate {
    QString topic; // AppState::topicName
    QString pupil; // as typed, may be empty
    int score = 0;
    int outOf = 0;
    int topicScreenWidth = 0; // the topic's width in twips in a small screen font
};

// One certificate page: banners top and bottom, title, topic, award, name and score, framed by
// five nested borders and three nested boxes.
PrintJob certificate(const PrinterMetrics &printer, const Certificate &c);

} // namespace printlayouts
