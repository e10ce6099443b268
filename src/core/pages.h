// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printjob.h"

#include <QSize>
#include <QString>

// Naming and turning of the metafile pages shown by the page viewer and the teachers' guide.
// Every page exists twice: a screen copy in "wmf" and a print copy of the same name in "wmf2".
namespace pages
{

constexpr int MaxPages = 4; // page letters "a" to "d"
constexpr int GuidePages = 4;
constexpr int LogoFrames = 20;

// "wmf\" + name + letter + ".wmf" (or "wmf2\…" for the print copy); empty for a page outside 1..4.
QString pageFile(const QString &name, int page, bool printCopy);

// "wmf\guideN.wmf" or "wmf2\guideN.wmf".
QString guideFile(int page, bool printCopy);

// "Page 1 of 2".
QString counter(int page, int count);

struct Buttons {
    bool previous;
    bool next;
};

// Which of "Previous Page" and "Next Page" can be pressed on a page of a set.
Buttons buttons(int page, int count);

// The logo frame after frame: 1, 2, … 19, 0, 1, …
int nextLogoFrame(int frame);
// "logo\tavimor0000.gif" … "logo\tavimor0019.gif".
QString logoFrameFile(int frame);

// The printout of a page: one empty line, then the print copy at its own size (in twips) with
// its top-left corner 1000 twips in from the page's corner.
PrintJob printJob(const QString &printCopy, QSize ownSizeTwips);

} // namespace pages
