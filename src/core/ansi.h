// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The program's text files are 8-bit Windows ANSI (code page 1252), or UTF-8 with a byte-order
// mark when they hold a character the code page lacks. Qt has no built-in codec for the code page
// without ICU, so the two directions live here.
namespace ansi
{

QString decode(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray encode(const QString &text);

// Whether every character of text has a code in the code page.
bool fits(const QString &text);

// The bytes of a whole text file the program writes: the code page when every character fits, so
// files that other tools read stay as they were; otherwise UTF-8 after a byte-order mark.
QByteArray encodeFile(const QString &text);

// The byte-order mark that starts a UTF-8 file; a file that starts with it is read as UTF-8.
inline constexpr char Utf8Mark[] = "\xEF\xBB\xBF";

} // namespace ansi
