// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The program's text files are 8-bit Windows ANSI (code page 1252). Qt has no built-in codec for
// it without ICU, so the two directions live here.
namespace ansi
{

QString decode(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray encode(const QString &text);

} // namespace ansi
