// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Metafile strings are 8-bit (or double-byte) text in the code page of the font's character set.
namespace wmf
{

// The Windows code page for a LOGFONT character set; 1252 for the default and unknown sets.
int codePageForCharset(quint8 charset);
// Decodes bytes in the character set's code page. Symbol-set text becomes the Greek letters and
// signs it stands for, so that it reads right in any font; a code page the system cannot decode
// falls back to 1252.
QString decodeText(const QByteArray &bytes, quint8 charset);

} // namespace wmf
