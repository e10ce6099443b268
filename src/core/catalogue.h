// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate.h"
#include "questionfile.h"
#include "result.h"

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace catalogue
{

enum class ReadStatus {
    Complete,  // the count and every name it announced were read
    NoCount,   // the file is empty, or its first field is not a count from 0 to 32767: nothing
               // changed
    Short,     // fewer names than the count says; the names read so far were kept
    OverLimit, // the count is above the capacity; the first names up to the capacity were kept
    Unended,   // every name was read and kept, but the last one runs to the end of the file
               // without its line end: the file may have been cut off
    TooLarge,  // the file is over FieldReader::MaxBytes: nothing changed
};

// Reads the catalogue file "multiple\track.txt" (a count, then one name a line) into
// state.worksheetCount and state.worksheetTitles. A read that fails part way keeps what it read
// and sets worksheetCount to the number of names actually held, so the count never claims names
// that are not there.
ReadStatus read(QIODevice *device, AppState &state);
// The same from the file at path; a file that cannot be opened reads as NoCount (nothing changed).
ReadStatus read(const QString &path, AppState &state);

// The titles state holds, worksheetTitles 1 to worksheetCount.
QStringList titles(const AppState &state);

// The names of a whole catalogue, in file order.
struct Listing : core::Result {
    QStringList names; // empty when the read failed
};

// Reads the whole catalogue at path; fails when it cannot be opened or read in full (any status
// but Complete).
Listing readAll(const QString &path);

// The outcome of a change to the catalogue file. It fails when the catalogue could not be read in
// full (any status but Complete and OverLimit marks it damaged) or not be written; the file is
// then as it was and state is untouched. changed says whether the file was rewritten.
struct Change : core::Result {
    bool changed = false;
    // Set when the change is made but the disk did not confirm it (a folder that could not be
    // synced): true in the program's own words, for the user to hear beside the success.
    QString warning;
};

// Told, about ten times a second while another program holds the catalogue's lock, who holds it
// ("Quorvel on the computer lab-3"); returns false to stop waiting. A screen keeps its events
// flowing in it and shows that the save waits.
using Waiting = std::function<bool(const QString &holder)>;

// add and remove hold the lock file lockPath(path) for their whole read-change-write, so that two
// programs changing one catalogue at once (a shared folder, two copies running) both land; a
// catalogue kept locked for longer than a change takes says it is in use. Every rewrite replaces
// the file through savefile::replace.

// Reads the catalogue at path afresh into state, then appends title unless it is listed
// (exact, case-sensitive). The file is rewritten only when the title was added. A catalogue that
// is missing, holds fewer names than its count, or already holds MaxWorksheets names fails
// without touching the file.
Change add(const QString &path, const QString &title, AppState &state, const Waiting &waiting = {});

// Reads the catalogue at path afresh into state and removes the LAST entry equal to title,
// keeping the order of the others. A title that is not listed leaves the file untouched
// (changed = false, not failed). Missing or short catalogues fail as for add.
Change remove(const QString &path, const QString &title, AppState &state,
              const Waiting &waiting = {});

QString lockPath(const QString &path);

// Fails when nothing can be saved beside the catalogue at path because its folder can be read but
// not written by this login (a class folder kept read-only for pupils), in words a teacher can act
// on. add, remove and saveWorksheet fail with it.
core::Result checkFolderWritable(const QString &path);

QString markerPath(const QString &path, const QString &title);

// Mends what a program killed while saving left in the folder of the catalogue at path: adds the
// title of every marker whose worksheet file reads as a question file (a marker whose file is
// missing or broken is only removed; one whose title cannot be added stays for the next time),
// and removes the temporary files of unfinished replacements (savefile::isTemporaryName) that are
// over a minute old. It never waits: while another program holds the lock it leaves the markers
// for the next time.
void recover(const QString &path);

// The title a save takes; a failed one refuses the save with its error.
struct Title : core::Result {
    QString title;
};

// How a worksheet is saved.
struct Save {
    QString cataloguePath;
    // The worksheet file of a title.
    std::function<QString(const QString &title)> worksheetPath;
    // Decides the title from the names the catalogue lists at the moment of saving, with the lock
    // held, so that two saves at once never end on one file; a failed Title refuses the save.
    // Without it the sheet's own title is saved.
    std::function<Title(const QStringList &listed)> pickTitle;
    Waiting waiting;
};

// Saves a worksheet with the catalogue's lock held throughout: the title decided, the marker
// "<title>.pending" left beside the catalogue, the worksheet file replaced as a whole (after
// checking that the program's own reader takes it back), its title added to the catalogue, the
// marker taken away. A kill between the steps leaves the marker for recover. sheet.title is set to
// the title saved. *written (when given) tells whether the worksheet file was replaced: it stays
// when only the catalogue change failed.
Change saveWorksheet(const Save &save, questionfile::Worksheet &sheet, AppState &state,
                     bool *written = nullptr);

// Saves worksheets one after the other as saveWorksheet saves one, with the lock held once for
// them all: the titles decided in turn (pickTitle sees those decided before), one marker listing
// every title, each worksheet file replaced and synced, the folder synced once, the catalogue
// written once, the marker taken away. The first that cannot be decided or written stops the
// rest: those before it are saved and listed, *written counts them, and the change fails with the
// error of the one that stopped. When the catalogue cannot be written, the new files are removed
// again and *written is 0. A kill part way leaves the marker for recover, which lists every
// worksheet of it that was written in full.
Change saveWorksheets(const Save &save, QVector<questionfile::Worksheet> &sheets, AppState &state,
                      int *written);

// Whether a worksheet file or anything else, even a link to nowhere, stands at path.
bool occupied(const QString &path);

// Whether a title can name a worksheet file and survive the catalogue and the field reader: not
// empty; no leading or trailing blanks; no comma, "&", double quote or other character that a
// file name, the catalogue line or the question file cannot carry back unchanged; no folder
// separators, "..", or names the file systems reserve.
bool isStorableTitle(const QString &title);

// Why isStorableTitle refuses a title, the first reason found, in the order listed.
enum class TitleFault {
    None,
    Empty,
    Blanks,       // a leading or trailing blank
    Character,    // character is one that a file name or the files cannot carry
    Invisible,    // a tab, line break or other control or non-blank space
    FullStops,    // "..", or a leading or trailing full stop
    ReservedName, // a device name the file systems keep (CON, PRN, AUX, NUL, COM1, LPT1, ...)
};
struct TitleCheck {
    TitleFault fault = TitleFault::None;
    QString character; // the offending character, for Character
    int position = 0;  // where it stands in the title, from 1
};
TitleCheck checkTitle(const QString &title);

// The catalogue file's bytes for these names: the count line (" n "), then one name a line, every
// line ended by CR LF; Windows-1252, or UTF-8 after a byte-order mark when a name does not fit.
QByteArray format(const QStringList &names);

} // namespace catalogue
