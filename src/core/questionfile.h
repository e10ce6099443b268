// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The questions in every quiz and worksheet.
constexpr int QuestionsPerSheet = 10;

struct Question {
    QString text;
    std::array<QString, 4> answers; // A to D
    std::array<bool, 4> ticks{};    // which answer is right; exactly one for a well-formed file
    // The answer ticked as right, 1 (A) to 4 (D); the first when several are; 0 when none is.
    int rightAnswer() const;
};

// One quiz or worksheet, as a teacher's wizard edits it and the quiz screen plays it.
struct Worksheet {
    QString title;
    std::array<Question, QuestionsPerSheet> questions;
    // Question number 1 to 10.
    const Question &question(int number) const { return questions.at(size_t(number - 1)); }
    Question &question(int number) { return questions.at(size_t(number - 1)); }
};

// A load fails with the first thing that stops the file from reading well.
struct LoadResult : core::Result {
    int questionsRead = 0;
};

// Reads an opened question file into sheet, in the file's order, each question ticked on the
// answer its right-answer line names. Nothing after the tenth separator is looked at. The sheet
// is only changed when the whole file reads well: a file that ends early, names a right answer
// other than 1 to 4 or is over FieldReader::MaxBytes leaves it as it was, so no screen ever works
// on half of one quiz and half of another.
LoadResult LoadQuestionFile(QIODevice *device, Worksheet &sheet);

// Writes a worksheet in the question-file layout. Returns false when the device refuses a write.
bool write(QIODevice *device, const Worksheet &sheet);

// The name of a worksheet's file in the content folders: "multiple/" + title + ".txt".
QString fileName(const QString &title);

} // namespace questionfile
