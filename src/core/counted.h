// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// A sentence that words a number, in the language chosen: the text for one ("1 result") when
// count is 1, otherwise the text with %n ("%n results"), whose translation holds the forms its
// language has for other numbers. Both texts must be literals for lupdate to find them, so
// callers pass them through QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP.
inline QString counted(const char *context, const char *one, const char *many, int count)
{
    return count == 1 ? QCoreApplication::translate(context, one)
                      : QCoreApplication::translate(context, many, nullptr, count);
}
