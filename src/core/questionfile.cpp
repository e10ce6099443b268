// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionfile.h"

#include "ansi.h"
#include "fieldreader.h"

#include <QCoreApplication>
#include <QIODevice>

namespace questionfile
{

namespace
{

QString textField(const QString &field)
{
    QString out = field;
    out.replace(QLatin1Char('&'), QLatin1Char(','));
    return out;
}

void addLine(QString *file, const QString &text)
{
    *file += text + QStringLiteral("\r\n");
}

QString encoded(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('&'));
}

} // namespace

LoadResult LoadQuestionFile(QIODevice *device, AppState &state)
{
    LoadResult result;
    FieldReader reader(device);
    AppState bank; // only the question bank of this copy is used
    QString field;

    const auto fail = [&](const QString &why) {
        result.error = why;
        return result;
    };

    if (reader.tooLarge())
        return fail(QCoreApplication::translate("QuestionFile",
                                                "The file is too large to be a question file."));
    if (!reader.read(&field))
        return fail(QCoreApplication::translate("QuestionFile", "The file is empty."));
    bank.QuizTitle = textField(field);
    if (!reader.read(&field))
        return fail(QCoreApplication::translate("QuestionFile", "The file ends after its title."));

    for (int q = 1; q <= AppState::MaxQuestions; ++q) {
        AppState::QuestionStrings *parts[] = {&bank.QuestionText, &bank.AnswerA, &bank.AnswerB,
                                              &bank.AnswerC, &bank.AnswerD};
        for (AppState::QuestionStrings *part : parts) {
            if (!reader.read(&field))
                return fail(
                    QCoreApplication::translate("QuestionFile", "The file ends in question %1.")
                        .arg(q));
            (*part)[q] = textField(field);
        }
        if (!reader.read(&field))
            return fail(QCoreApplication::translate("QuestionFile", "The file ends in question %1.")
                            .arg(q));
        bank.CorrectAnswer[q] = field;
        if (correctAnswer(field) == 0)
            return fail(QCoreApplication::translate("QuestionFile",
                                                    "Question %1 does not name its correct answer.")
                            .arg(q));
        if (!reader.read(&field))
            return fail(QCoreApplication::translate("QuestionFile", "The file ends in question %1.")
                            .arg(q));
        result.questionsRead = q;
    }

    state.QuizTitle = bank.QuizTitle;
    state.QuestionText = bank.QuestionText;
    state.AnswerA = bank.AnswerA;
    state.AnswerB = bank.AnswerB;
    state.AnswerC = bank.AnswerC;
    state.AnswerD = bank.AnswerD;
    state.CorrectAnswer = bank.CorrectAnswer;
    return result;
}

int correctAnswer(const QString &field)
{
    const QString digit = field.trimmed();
    if (digit.size() != 1 || digit[0] < QLatin1Char('1') || digit[0] > QLatin1Char('4'))
        return 0;
    return digit[0].digitValue();
}

Worksheet fromBank(const AppState &state)
{
    Worksheet sheet;
    sheet.title = state.QuizTitle;
    for (int q = 1; q <= AppState::MaxQuestions; ++q) {
        Question &question = sheet.questions[q - 1];
        question.text = state.QuestionText[q];
        question.answers = {state.AnswerA[q], state.AnswerB[q], state.AnswerC[q], state.AnswerD[q]};
        const int right = correctAnswer(state.CorrectAnswer[q]);
        if (right > 0)
            question.ticks[right - 1] = true;
    }
    return sheet;
}

bool write(QIODevice *device, const Worksheet &sheet)
{
    QString file;
    addLine(&file, encoded(sheet.title));
    addLine(&file, QStringLiteral(" "));
    for (const Question &question : sheet.questions) {
        addLine(&file, encoded(question.text));
        for (const QString &answer : question.answers)
            addLine(&file, encoded(answer));
        for (int a = 0; a < 4; ++a) {
            if (question.ticks[a])
                addLine(&file, QString::number(a + 1));
        }
        addLine(&file, QStringLiteral(" "));
    }
    const QByteArray bytes = ansi::encodeFile(file);
    return device->write(bytes) == bytes.size();
}

QString fileName(const QString &title)
{
    return QStringLiteral("multiple/") + title + QStringLiteral(".txt");
}

} // namespace questionfile
