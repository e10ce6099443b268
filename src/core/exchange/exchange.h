// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/formatsniffer.h"
#include "questionfile.h"
#include "result.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// The two plain-text question formats that learning platforms and quiz makers exchange: GIFT and
// Aiken. Only the questions a worksheet can hold are taken: four answers, exactly one of them
// right, texts within the wizard's limits (60 characters a question, 30 an answer) and free of
// control characters. Every other question is skipped and reported, never cut or changed in
// meaning. This is the front door; each format has a reader and a writer of its own beside it
// (README.md says how a format is added).
namespace exchange
{

constexpr int MaxQuestionLength = 60;
constexpr int MaxAnswerLength = 30;
// Larger files are refused unread: a thousand worksheets of GIFT with feedback stay far below.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;

// A read fails (error set, nothing taken) when the file as a whole cannot be read: too large, not
// text, not a plain file.
struct ReadResult : core::Result {
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
    // How the file's bytes were read: "UTF-8", "UTF-16", "Windows-1252", or UTF-8 with the number
    // of stray bytes read as Windows-1252.
    QString encoding;
};

// Reads text in the given format: UTF-8 or Windows-1252 decided per file (see readLines), UTF-16
// with its byte-order mark; LF, CR LF or CR line ends. The device must be open for reading.
ReadResult read(QIODevice *device, Format format);

// Reads the file at fileName in the format its contents have (sniff, with the name as the hint).
// Anything that is not a plain file (a pipe, a device, a folder) is refused unread, with the
// reason in error.
ReadResult readFile(const QString &fileName);

// A write fails (error set) when the device refused a write.
struct WriteResult : core::Result {
    QStringList problems; // text the format cannot carry, per question, written as near as it can
};

// Writes the ten questions of a worksheet as UTF-8.
// GIFT: one named multiple-choice question each ("title q"), every special character escaped.
// Aiken: the question line, options "A." to "D.", then "ANSWER: X".
WriteResult write(QIODevice *device, Format format, const questionfile::Worksheet &sheet);

} // namespace exchange
