// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questionfile.h"
#include "screen.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class LabelButton;

// The worksheet wizard: a title, ten questions with four answers each and one tick per question
// at the correct answer. "Save Worksheet" checks the boxes and writes the worksheet as a question
// file named after its title, then lists the title in the catalogue. The catalogue screen may
// fill the boxes (title, questions, answers, ticks) before showing it, to edit a worksheet.
//
// Question q (0 to 9) has its text in questionBoxes[q]; answer a (0 to 3, A to D) of question q is
// answerBoxes[4 * q + a] with its tick box rightAnswerTicks[4 * q + a].
//
// "Exit" asks before it drops edits that have not been saved.
class WorksheetWizard : public Screen
{
    Q_OBJECT
public:
    enum Button { Exit = 0, SaveWorksheet = 1 };
    static constexpr int Questions = 10;
    static constexpr int Answers = 4 * Questions;
    static constexpr int TitleLength = 25;
    static constexpr int QuestionLength = 60;
    static constexpr int AnswerLength = 30;

    explicit WorksheetWizard(AppContext &ctx);
    void load() override;

    void buttonClicked(int Index);

    // Runs the checks; the first failure is told in a message box, otherwise writeWorksheet runs.
    void checkAndSave();
    // Writes the worksheet file and lists its title in the catalogue; tells the teacher whether
    // it worked. True when both were done.
    bool writeWorksheet();

    // Enter in a box moves the focus on: title -> question 1 -> its answers A to D -> question 2
    // and so on; Enter in the last answer keeps the focus where it is.
    void titleKeyPress(int KeyAscii);
    void questionKeyPress(int Index, int KeyAscii);
    void answerKeyPress(int Index, int KeyAscii);

    // The worksheet as the boxes hold it now, and the boxes filled from one (the catalogue's
    // edit and import paths): every box and tick replaced. saved says whether the sheet is as its
    // file holds it; questions brought in by an import are not, so "Exit" asks before dropping
    // them.
    questionfile::Worksheet worksheet() const;
    void setWorksheet(const questionfile::Worksheet &sheet, bool saved = true);
    // Whether the boxes differ from the worksheet as last saved or loaded.
    bool hasUnsavedEdits() const;

protected:
    QList<QWidget *> tabOrder() const override;

private:
    QLineEdit *titleBox;
    std::array<QLineEdit *, Questions> questionBoxes{};
    std::array<QLineEdit *, Answers> answerBoxes{};
    std::array<QCheckBox *, Answers> rightAnswerTicks{};
    std::array<LabelButton *, 2> buttons{};
    QLabel *headline;                                   // "Multiple Choice Wizard"
    QLabel *titleCaption;                               // "Worksheet Title"
    std::array<QLabel *, Questions> questionCaptions{}; // "Question 1" to "Question 10"
    std::array<QLabel *, Answers> answerLetters{};      // "A." to "D." beside the tick boxes

    questionfile::Worksheet m_saved; // the worksheet as last saved or loaded
};
