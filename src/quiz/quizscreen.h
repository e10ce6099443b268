// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QDateTime>

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;
class LabelButton;
class PictureBox;

// The quiz screen: the ten questions of the loaded quiz, one at a time, each with four
// answers; marks each question when the pupil moves on, and after the tenth opens the results.
class QuizScreen : public Screen
{
    Q_OBJECT
public:
    enum Button { PreviousQuestion = 0, NextQuestion = 1, Exit = 2, PrintWorksheet = 3 };
    static const QRect PictureRect; // topicPicture, twips

    explicit QuizScreen(AppContext &ctx);
    void load() override;
    // The question's number, the question, and its four answers as "A: …" to "D: …".
    QStringList spokenText() const override;

    // What the results journal calls a quiz on a topic's questions, and one on a worksheet's.
    static const QString QuizActivity;
    static const QString WorksheetActivity;

    // Shows the quiz loaded in the shared state, with the topic's picture (a
    // content name, or a picture already read) and the line above the title. activity names the
    // attempt in the results journal.
    void open(const QString &picture, const QString &topicLine,
              const QString &activity = QuizActivity);
    void open(const QImage &picture, const QString &topicLine,
              const QString &activity = WorksheetActivity);

    void showQuestion();
    void printPage();
    void buttonClicked(int Index);
    void answerClicked(int Index);

    // The answer button (1 to 4) the pupil has chosen, 0 for none.
    int chosenAnswer() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Reading order, with "Print Worksheet" last so that the screen does not open on it, and the
    // chosen answer the one Tab reaches among the answers.
    QList<QWidget *> tabOrder() const override;
    // Builds the results screen the last answer opens.
    void warmNext() override;

private:
    QLabel *titleText;
    QLabel *topicText;
    QLabel *worksheetTitle;
    PictureBox *topicPicture;
    QLabel *questionNumber;
    QLabel *questionText;
    std::array<QRadioButton *, 5> answerButtons{}; // 1 to 4; no answer chosen is modelled directly
    std::array<LabelButton *, 4> buttons{};

    void finishQuiz();
    void clearAnswer();
    // Of the four answers, only this one is reached by Tab.
    void setAnswerTabStop(int answer);

    QButtonGroup *m_answers;
    QString m_activity = QuizActivity;
    QDateTime m_started; // when the first question was shown
};
