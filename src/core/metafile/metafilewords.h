// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile.h"

#include <QStringList>

namespace wmf
{

// The words a metafile page shows, for reading aloud and for screen readers: the text of its
// text records in reading order (lines top to bottom, the pieces of one line left to right,
// joined by a space, punctuation with none), gathered into paragraphs. A line runs on into the
// next only when the next starts at the same place, the next's first word would not have fitted
// after it, it does not end a sentence, and the gap between them is no wider than the page's usual
// line spacing, and no bullet (a small filled polygon left of it) starts the next; so headings and
// list items stand alone. Text is decoded as Windows ANSI; empty pieces are left out.
QStringList paragraphs(const Metafile &metafile);

} // namespace wmf
