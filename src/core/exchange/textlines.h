// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QString>
#include <QStringView>
#include <QVector>

class QIODevice;

// A question file's bytes as lines of text, which every reader of a line-based format starts
// from.
namespace exchange
{

// One line of the text, without its line end.
struct Line {
    int number = 0; // from 1
    QStringView text;
};

// The text of a file and its lines, which are views into text: keep the TextLines (or a copy of
// text, unchanged) for as long as its lines are used.
struct TextLines : core::Result {
    QString text;
    QVector<Line>
        lines; // a run of blank lines is kept as one: only the break between questions counts
    // How the bytes were read: "UTF-8", "UTF-16", "Windows-1252", or UTF-8 with the number of
    // stray bytes read as Windows-1252.
    QString encoding;
};

// Reads the device (open for reading) to its end, at most MaxFileSize bytes, and decodes it by
// one rule: a byte-order mark says UTF-8 or UTF-16; without one, a file of an even number of bytes
// whose first characters each have a zero byte on the same side is UTF-16; a file whose bytes above
// 127 form
// at least as many well-formed UTF-8 sequences as stray bytes is UTF-8 (any stray byte read as
// Windows-1252, as an older tool that added to the file wrote it); any other is Windows-1252. LF,
// CR LF and CR end lines. A file that is too large or holds control characters other than tab
// and line ends fails, with no lines.
TextLines readLines(QIODevice *device);

} // namespace exchange
