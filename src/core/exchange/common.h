// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange.h"

#include <QString>

class QIODevice;

// What the readers and writers of every question format share: how a question found in a file is
// judged against a worksheet, taken or skipped with the reason, and named in the report; and how
// a writer hands its text to the device.
namespace exchange
{

// A text cut to the longest piece quoted in a message (60 characters, "..." included).
QString shortQuote(const QString &text);

// A text as the quiz will show it: trimmed, runs of blanks and line ends as one space, and an "&",
// which the question file cannot carry, as "and".
QString asShown(const QString &text);

// The first entity such as "&lt;" in a text as it will be shown (plain text, or HTML once its
// entities are decoded), or an empty string: the worksheet cannot hold it as written, and
// "and lt;" would change it.
QString entityOutsideHtml(const QString &text);

// How the report names a question that has no name of its own: its first line and first words,
// "line 3 (\"first words...\")".
QString unnamed(int line, const QString &words);

// Fails with why a complete question cannot go into a worksheet: an empty or too long text, a
// character a worksheet cannot hold.
core::Result checkFits(const questionfile::Question &question);

// Every question a reader finds goes through one of these two, in file order, so that the
// report and the list of entries agree. label names the question as the report does.
void take(ReadResult *result, const QString &label, const questionfile::Question &question);
void skip(ReadResult *result, const QString &label, const QString &why);

// The number (1 to 4) of the right answer of question q of a worksheet; 0 when it has none,
// which the writer reports as a problem.
int rightAnswer(const questionfile::Worksheet &sheet, int q, WriteResult *result);

// Writes a writer's text to the device as UTF-8; the result fails when the device takes less.
void writeText(QIODevice *device, const QString &text, WriteResult *result);

} // namespace exchange
