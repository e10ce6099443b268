// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questionfile.h"
#include "result.h"

#include <QString>
#include <QStringList>

// What "Save Worksheet" checks before anything is written, in the order the teacher is told:
// the title, then each question in turn (its text, its answers A to D, its ticks), so question 1
// is examined completely before question 2.
namespace wizardchecks
{

// Fails with the message for the first thing that stops the worksheet from being saved. A box
// holding only blanks counts as empty.
// listed holds the titles in the catalogue: a title that differs from a listed one only in letter
// case would name the same file on a case-blind file system, so it is refused.
core::Result check(const questionfile::Worksheet &sheet, const QStringList &listed = {});

// Titles whose file is one of the program's own: the catalogue and the topics' quizzes, in any
// letter case.
bool isReservedTitle(const QString &title);
QString sameAsListed(const QString &listedTitle);

// The numbered messages, with the question number (1 to 10) after one space.
QString notCompleted(int questionNumber);
QString notTicked(int questionNumber);
QString tickedMoreThanOne(int questionNumber);
// A question or answer that starts with a double quote, which the question file cannot carry.
QString startsWithQuoteMark(int questionNumber);
// A question or answer holding half of a character without its other half, which the question
// file cannot carry.
QString cannotHold(const QString &character, int questionNumber);

// Fails, in the teacher's words, when a title cannot be stored.
core::Result checkStorableTitle(const QString &title);
// The title checks of check alone: no title, a title that cannot be stored, a title of one of the
// program's own files.
core::Result checkTitle(const QString &title);

// These messages, in the program's language.
QString NoTitle();
QString TitleBlanks();
QString TitleReserved();

} // namespace wizardchecks
