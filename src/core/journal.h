// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "savefile.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// The results journal: one record for every quiz, worksheet and activity a named pupil finishes,
// kept in the class folder's results/ folder. Each login on each computer appends only to a file
// of its own there ("<login>@<computer>.txt"), so no two programs ever write one file and no lock
// is needed, on a local disk or a network share. A record is one line of UTF-8, written with a
// single write and forced to the disk before the pupil sees the results screen; a line cut off by
// a crash or a power cut fails its check and is skipped by the reader, never fatal. Errors are in
// the program's own words, as savefile's.
//
// A line: "Q1", then tab-separated pupil, started, finished (ISO 8601 with the offset from UTC),
// topic, activity, score, out of, the wrong questions' numbers (blank-separated), and a CRC-16 of
// everything before it (four hex digits). Tabs, line ends and backslashes in a text are written
// as \t, \n, \r and \\.
namespace journal
{

struct Record {
    QString pupil;
    QDateTime started;
    QDateTime finished;
    QString topic;    // the topic's title, or the worksheet's
    QString activity; // "Quiz", "Worksheet", "Labelling", "Ordering"
    int score = 0;
    int outOf = 0;
    QVector<int> wrong; // for a quiz: the numbers (1 to 10) of the questions answered wrongly

    bool operator==(const Record &other) const;
};

// The line of a record, ended by "\n".
QByteArray line(const Record &record);

// The records of one journal file, in file order. skipped counts the lines that were not whole
// records (cut off, damaged); the read fails when the file could not be read at all.
struct Read : core::Result {
    QVector<Record> records;
    int skipped = 0;
};
Read read(QIODevice *device);

// Every journal file of a results folder, merged and ordered by the time each attempt finished
// (then by pupil). A folder that does not exist yet holds no records and is no error; a file that
// cannot be read is named in error and the others are still read.
Read readFolder(const QString &folder);

// The file this login on this computer appends to: "<login>@<computer>.txt", with any character
// a file name cannot carry replaced by "_".
QString ownFileName();
QString fileName(const QString &login, const QString &computer);
// The login's full name as the account's details give it (their first comma-separated part),
// cleaned as cleanName; empty when it has none.
QString loginFullName();

// Appends a record to the journal file at path, making it (and its folder, inside an existing
// class folder) when needed, readable and writable by the group where the folder is. A file left
// cut off by an earlier crash gets its line ended first, so the new record stays whole. Saved only
// once the disk confirmed it.
savefile::Result append(const QString &path, const Record &record);

// The longest name a pupil may give, and the name as it is kept: blanks at the ends and runs of
// blanks cut, control characters left out, at most MaxName characters.
constexpr int MaxName = 30;
QString cleanName(const QString &typed);

// The pupils named in records, each once, in alphabetical order whatever the letter case. Names
// that differ only in their letter case ("sam", "Sam") are one pupil, shown as most of their
// records spell it.
QStringList pupils(const QVector<Record> &records);

// Whether two names are one pupil's: equal whatever their letter case.
bool samePupil(const QString &a, const QString &b);

// The records of an attempt finished on from..to (days on the clock of the computer it was made
// on, both included; an invalid date leaves that end open) and, when pupil is not empty, of that
// pupil (samePupil).
QVector<Record> filter(const QVector<Record> &records, const QDate &from, const QDate &to,
                       const QString &pupil = QString());

// The columns of the CSV file, in order.
QStringList csvHeader();
// Writes records as CSV (RFC 4180: UTF-8, CR LF, a header row, fields with a comma, quote or line
// end quoted, quotes doubled). Times are "yyyy-MM-dd HH:mm:ss", on the clock of the computer the
// attempt was made on; wrong is the numbers separated by blanks. False when a write came up short.
bool writeCsv(QIODevice *device, const QVector<Record> &records);

// Removes every record of pupil (samePupil) from the journal files of a results folder, each file
// replaced as a whole (savefile::replace). A file that grows while it is being rewritten (a pupil
// finishing at that moment) is read again. *removed counts the records taken away.
savefile::Result removePupil(const QString &folder, const QString &pupil, int *removed);

// The teacher's table: pupils (as pupils() names them) against topics and worksheets with their
// activity.
struct Cell {
    int best = 0;
    int bestOutOf = 0;
    int latest = 0;
    int latestOutOf = 0;
    int tries = 0;
};
struct Table {
    QStringList pupils;                       // rows, as pupils()
    QVector<QPair<QString, QString>> columns; // (topic, activity), by topic then activity
    QHash<QPair<int, int>, Cell> cells;       // (row, column); absent: never tried
};
// The best (by share of the full score), the latest and the number of tries of each pupil at each
// topic's activity, from records ordered by finishing time (as readFolder gives them).
Table summarize(const QVector<Record> &records);

} // namespace journal
