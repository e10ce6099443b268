// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange.h"
#include "exchange/textlines.h"

// The GIFT reader. A question is an optional "::name::", the stem, and one answer set in braces:
// "=" marks a right answer and "~" a wrong one, "%50%" gives a weight, "#" starts feedback, and a
// backslash escapes any of "~=#{}:\". Text after the answer set is the rest of the stem (a
// "_____" stands for the set). "//" comment lines and "$CATEGORY:" lines are passed over. A stem
// or answer may begin with a format marker ("[html]", "[moodle]", "[plain]", "[markdown]"), which
// is taken off; HTML has its tags removed and its entities decoded. Questions are separated by
// blank lines, or follow one another directly. Any question that is not one multiple choice with
// four answers and one right one (essay, numeric, matching, true/false, short answer, fill-in,
// part marks) is skipped with the reason.
namespace exchange
{

// The characters GIFT escapes with a backslash.
constexpr char GiftEscapable[] = "~=#{}:\\";

ReadResult readGift(const QVector<Line> &lines);

} // namespace exchange
