// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange.h"
#include "exchange/textlines.h"

// The Aiken reader. A question is its stem (one or more lines), lettered choices ("A." or "A)",
// any capital letter) and an "ANSWER:" line naming the right one by its letter; questions may be
// separated by blank lines. A line followed by a blank line and then by no choice is a heading,
// not part of a question: it is skipped and reported. Any question that does not have four
// choices with distinct letters, one of them named by its ANSWER line, is skipped with the reason.
namespace exchange
{

ReadResult readAiken(const QVector<Line> &lines);

} // namespace exchange
