// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questionfile.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// The two plain-text question formats that learning platforms and quiz makers exchange: GIFT and
// Aiken. Only the questions a worksheet can hold are taken: four answers, exactly one of them
// right, texts within the wizard's limits (60 characters a question, 30 an answer) and free of
// control characters. Every other question is skipped and reported, never cut or changed in
// meaning.
namespace exchange
{

enum class Format { Gift, Aiken };

constexpr int MaxQuestionLength = 60;
constexpr int MaxAnswerLength = 30;
// Larger files are refused unread: a thousand worksheets of GIFT with feedback stay far below.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;

struct ReadResult {
    // The questions taken, in file order, with their texts as the quiz shows them (a comma is a
    // comma; an "&" of the source has become "and").
    QVector<questionfile::Question> questions;
    // One message per question skipped, naming it by its GIFT name or its first line and words.
    QStringList skipped;
    // Every question of the file in file order, taken or not, for a list a teacher picks from.
    // A heading line of an Aiken file is listed too, as skipped.
    struct Entry {
        QString name;   // as the report names it: "\"name\"" or "line 3 (\"first words\")"
        QString reason; // why it was skipped; empty when it fits
        int index = -1; // its place in questions when it fits, else -1
        bool fits() const { return index >= 0; }
    };
    QVector<Entry> entries;
    // Set when the file as a whole cannot be read (too large, not text); nothing is taken then.
    QString error;
    // How the file's bytes were read: "UTF-8", "UTF-16", "Windows-1252", or UTF-8 with the number
    // of stray bytes read as Windows-1252.
    QString encoding;
};

// Reads text in the given format: UTF-8 or Windows-1252 decided per file (see the reader), UTF-16
// with its byte-order mark; LF, CR LF or CR line ends. The device must be open for reading.
ReadResult read(QIODevice *device, Format format);

// Reads the file at fileName in the format its contents have (sniff, with the name as the hint).
// Anything that is not a plain file (a pipe, a device, a folder) is refused unread, with the
// reason in error.
ReadResult readFile(const QString &fileName);

// The format of a file's contents, told by its structure: Aiken when more of its questions end
// in lettered choices followed by an "ANSWER:" line than there are GIFT answer sets ("{" then
// "=", "~" or "#") outside lettered choices, GIFT when fewer. Only when the two are even does the
// file name decide (".txt" Aiken, anything else GIFT).
Format sniff(const QByteArray &bytes, const QString &fileName = QString());

struct WriteResult {
    bool ok = false;      // false when the device refused a write
    QStringList problems; // text the format cannot carry, per question, written as near as it can
};

// Writes the ten questions of a worksheet as UTF-8.
// GIFT: one named multiple-choice question each ("title q"), every special character escaped.
// Aiken: the question line, options "A." to "D.", then "ANSWER: X".
WriteResult write(QIODevice *device, Format format, const questionfile::Worksheet &sheet);

// The format a file name asks for: GIFT for ".gift", Aiken for ".txt" (any letter case).
bool formatForFileName(const QString &fileName, Format *format);

} // namespace exchange
