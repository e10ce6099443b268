// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Telling the question formats apart, by a file's contents or by the name a teacher gives.
namespace exchange
{

enum class Format { Gift, Aiken };

// The format of a file's contents, told by its structure: Aiken when more of its questions end
// in lettered choices followed by an "ANSWER:" line than there are GIFT answer sets ("{" then
// "=", "~" or "#") outside lettered choices, GIFT when fewer. Only when the two are even does the
// file name decide (".txt" Aiken, anything else GIFT).
Format sniff(const QByteArray &bytes, const QString &fileName = QString());

// The format a file name asks for: GIFT for ".gift", Aiken for ".txt" (any letter case); none
// for any other name.
std::optional<Format> formatForFileName(const QString &fileName);

} // namespace exchange
