// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate.h"
#include "result.h"

#include <QString>

#include <array>

class QIODevice;

// The question file: one quiz or worksheet as 72 lines of Windows ANSI text, CR LF ended (UTF-8
// after a byte-order mark when a character does not fit the code page):
//   title, " ", then for each of ten questions: text, answers A to D, the digit of the correct
//   answer ("1" to "4"), " ".
// Commas cannot appear in a field, so the writer stores every "," of a text as "&" and the reader
// turns every "&" back into "," (an "&" typed by an author therefore reads back as a comma).
namespace questionfile
{

struct Question {
    QString text;
    std::array<QString, 4> answers;
    std::array<bool, 4> ticks{}; // which answer is correct; exactly one for a well-formed file
};

struct Worksheet {
    QString title;
    std::array<Question, AppState::MaxQuestions> questions;
};

// A load fails with the first thing that stops the file from reading well.
struct LoadResult : core::Result {
    int questionsRead = 0;
};

// Reads an opened question file into the question bank of state (QuizTitle, QuestionText,
// AnswerA..D, CorrectAnswer at indices 1 to 10), in the file's order. Nothing after the tenth
// separator is looked at. The bank is only changed when the whole file reads well: a file that
// ends early, names a correct answer other than 1 to 4 or is over FieldReader::MaxBytes leaves the
// bank as it was, so no screen ever works on half of one quiz and half of another.
LoadResult LoadQuestionFile(QIODevice *device, AppState &state);

// The number of the answer a CorrectAnswer field names, 1 to 4 (blanks around the digit allowed);
// 0 when it names none.
int correctAnswer(const QString &field);

// The quiz in the question bank of state (indices 1 to 10) as a worksheet, each question ticked
// on the answer its CorrectAnswer names (on none when it names none).
Worksheet fromBank(const AppState &state);

// Writes a worksheet in the question-file layout. Returns false when the device refuses a write.
bool write(QIODevice *device, const Worksheet &sheet);

// The name of a worksheet's file in the content folders: "multiple/" + title + ".txt".
QString fileName(const QString &title);

} // namespace questionfile
