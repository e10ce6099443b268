// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange.h"

class QIODevice;

// The GIFT writer: a "//" line with the title, then each question of the worksheet as one named
// multiple-choice question ("title q") with its four answers, "=" before the right one. Every
// character GIFT gives a meaning to is escaped, a text that begins like a format marker is put
// behind "[plain]", and an answer that begins like a weight ("%100%") gets a weight of its own
// first, so that the GIFT reader reads every question back as it was.
namespace exchange
{

WriteResult writeGift(QIODevice *device, const questionfile::Worksheet &sheet);

} // namespace exchange
