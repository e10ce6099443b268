// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange.h"

class QIODevice;

// The Aiken writer: each question of the worksheet as its question line, the answers as "A." to
// "D.", then "ANSWER: X" and a blank line. Aiken holds a text on one line: a line break is written
// as a space, and a question that begins like an answer or an ANSWER line would not read back; both
// are reported as problems.
namespace exchange
{

WriteResult writeAiken(QIODevice *device, const questionfile::Worksheet &sheet);

} // namespace exchange
