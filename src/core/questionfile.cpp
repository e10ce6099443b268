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

// The answer a right-answer line names, 1 to 4 (blanks around the digit allowed); 0 when it names
// none.
int rightAnswerLine(const QString &field)
{
    const QString digit = field.trimmed();
    if (digit.size() != 1 || digit[0] < QLatin1Char('1') || digit[0] > QLatin1Char('4'))
        return 0;
    return digit[0].digitValue();
}

} // namespace

int Question::rightAnswer() const
{
    for (int a = 0; a < 4; ++a) {
        if (ticks[size_t(a)])
            return a + 1;
    }
    return 0;
}

LoadResult LoadQuestionFile(QIODevice *device, Worksheet &sheet)
{
    LoadResult result;
    FieldReader reader(device);
    Worksheet read;
    QString field;

    const auto fail = [&](const QString &why) {
        result.error = why;
        return result;
    };
    const auto endsIn = [&](int q) {
        return fail(
            QCoreApplication::translate("QuestionFile", "The file ends in question %1.").arg(q));
    };

    if (reader.tooLarge())
        return fail(QCoreApplication::translate("QuestionFile",
                                                "The file is too large to be a question file."));
    if (!reader.read(&field))
        return fail(QCoreApplication::translate("QuestionFile", "The file is empty."));
    read.title = textField(field);
    if (!reader.read(&field))
        return fail(QCoreApplication::translate("QuestionFile", "The file ends after its title."));

    for (int q = 1; q <= QuestionsPerSheet; ++q) {
        Question &question = read.question(q);
        for (QString *part : {&question.text, &question.answers[0], &question.answers[1],
                              &question.answers[2], &question.answers[3]}) {
            if (!reader.read(&field))
                return endsIn(q);
            *part = textField(field);
        }
        if (!reader.read(&field))
            return endsIn(q);
        const int right = rightAnswerLine(field);
        if (right == 0)
            return fail(QCoreApplication::translate("QuestionFile",
                                                    "Question %1 does not name its correct answer.")
                            .arg(q));
        question.ticks[size_t(right - 1)] = true;
        if (!reader.read(&field))
            return endsIn(q);
        result.questionsRead = q;
    }

    sheet = read;
    return result;
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
