// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardchecks.h"

#include "catalogue.h"

#include <QCoreApplication>

namespace wizardchecks
{

QString NoTitle()
{
    return QCoreApplication::translate("WorksheetWizard",
                                       "You have not chosen a title for your worksheet");
}
QString TitleBlanks()
{
    return QCoreApplication::translate("WorksheetWizard",
                                       "Please do not begin or end the title with a space.");
}
QString TitleReserved()
{
    return QCoreApplication::translate(
        "WorksheetWizard",
        "That title is used by one of the program's own quizzes. Please choose another title.");
}

namespace
{

QString numbered(const char *message, int questionNumber)
{
    return QCoreApplication::translate("WorksheetWizard", message).arg(questionNumber);
}

// A text whose first non-blank character is a double quote would be read back as a quoted field:
// cut at the next quote, or running on into the following lines.
bool startsWithQuote(const QString &text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            return c == QLatin1Char('"');
    }
    return false;
}

// The first half of a character beyond the first 65536 that stands without its other half, which
// no file can carry, or an empty string. Every whole character can be saved.
QString unpairedHalf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return text.mid(i, 1);
    }
    return QString();
}

// Text of blanks shows nothing to the pupil and reads back as an empty field.
bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

QString notCompleted(int questionNumber)
{
    return numbered(QT_TRANSLATE_NOOP("WorksheetWizard", "You have not completed Question %1"),
                    questionNumber);
}

QString notTicked(int questionNumber)
{
    return numbered(QT_TRANSLATE_NOOP("WorksheetWizard",
                                      "You have not ticked the correct answer for Question %1"),
                    questionNumber);
}

QString tickedMoreThanOne(int questionNumber)
{
    return numbered(
        QT_TRANSLATE_NOOP("WorksheetWizard",
                          "You have ticked more than one correct answer for Question %1"),
        questionNumber);
}

QString startsWithQuoteMark(int questionNumber)
{
    return numbered(QT_TRANSLATE_NOOP("WorksheetWizard",
                                      "Please do not begin a question or an answer with a double "
                                      "quote mark in Question %1"),
                    questionNumber);
}

QString cannotHold(const QString &character, int questionNumber)
{
    return QCoreApplication::translate(
               "WorksheetWizard",
               "The character \"%1\" cannot be saved in a worksheet. Please write it "
               "another way in Question %2")
        .arg(character)
        .arg(questionNumber);
}

bool isReservedTitle(const QString &title)
{
    static const QStringList reserved = {QStringLiteral("track"), QStringLiteral("introduction"),
                                         QStringLiteral("electricity"),
                                         QStringLiteral("Michael Faraday")};
    for (const QString &name : reserved) {
        if (title.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

core::Result checkStorableTitle(const QString &title)
{
    const catalogue::TitleCheck found = catalogue::checkTitle(title);
    switch (found.fault) {
    case catalogue::TitleFault::None:
        return {};
    case catalogue::TitleFault::Empty:
        return {NoTitle()};
    case catalogue::TitleFault::Blanks:
        return {TitleBlanks()};
    case catalogue::TitleFault::Character:
        return {QCoreApplication::translate("WorksheetWizard",
                                            "The title cannot contain the sign %1. These signs "
                                            "cannot be used in a title: < > : \" / \\ | ? * , &")
                    .arg(found.character)};
    case catalogue::TitleFault::Invisible:
        return {QCoreApplication::translate(
            "WorksheetWizard", "The title cannot contain tabs, line breaks or other invisible "
                               "characters.")};
    case catalogue::TitleFault::FullStops:
        return {QCoreApplication::translate(
            "WorksheetWizard", "The title cannot begin or end with a full stop, or have two full "
                               "stops together.")};
    case catalogue::TitleFault::ReservedName:
        return {QCoreApplication::translate("WorksheetWizard",
                                            "The computer keeps %1 as a name of its own. Please "
                                            "choose another title.")
                    .arg(title)};
    }
    return {};
}

core::Result checkTitle(const QString &title)
{
    if (isBlank(title))
        return {NoTitle()};
    core::Result storable = checkStorableTitle(title);
    if (!storable)
        return storable;
    return {isReservedTitle(title) ? TitleReserved() : QString()};
}

QString sameAsListed(const QString &listedTitle)
{
    return QCoreApplication::translate("WorksheetWizard",
                                       "There is already a worksheet called %1. Please type its "
                                       "title exactly the same, or choose another title.")
        .arg(listedTitle);
}

core::Result check(const questionfile::Worksheet &sheet, const QStringList &listed)
{
    core::Result title = checkTitle(sheet.title);
    if (!title)
        return title;
    for (const QString &name : listed) {
        if (name != sheet.title && name.compare(sheet.title, Qt::CaseInsensitive) == 0)
            return {sameAsListed(name)};
    }
    for (int q = 0; q < int(sheet.questions.size()); ++q) {
        const questionfile::Question &question = sheet.questions[q];
        const int n = q + 1;
        if (isBlank(question.text))
            return {notCompleted(n)};
        int ticks = 0;
        for (int a = 0; a < 4; ++a) {
            if (isBlank(question.answers[a]))
                return {notCompleted(n)};
            if (question.ticks[a])
                ++ticks;
        }
        if (ticks == 0)
            return {notTicked(n)};
        if (ticks > 1)
            return {tickedMoreThanOne(n)};
        bool quoted = startsWithQuote(question.text);
        for (const QString &answer : question.answers)
            quoted = quoted || startsWithQuote(answer);
        if (quoted)
            return {startsWithQuoteMark(n)};
        QString outside = unpairedHalf(question.text);
        for (const QString &answer : question.answers)
            outside = outside.isEmpty() ? unpairedHalf(answer) : outside;
        if (!outside.isEmpty())
            return {cannotHold(outside, n)};
    }
    return {};
}

} // namespace wizardchecks
