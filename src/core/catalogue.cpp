// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "ansi.h"
#include "fieldreader.h"
#include "questionfile.h"
#include "savefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QStringList>

namespace catalogue
{

ReadStatus read(QIODevice *device, AppState &state)
{
    FieldReader reader(device);
    if (reader.tooLarge())
        return ReadStatus::TooLarge;
    int count = 0;
    if (!reader.readNumber(&count) || count < 0 || count > 0x7fff)
        return ReadStatus::NoCount; // not a count the 16-bit count can hold

    const int wanted = count;
    const int capacity = AppState::MaxWorksheets;
    int held = 0;
    for (int i = 1; i <= qMin(wanted, capacity); ++i) {
        QString name;
        if (!reader.read(&name))
            break;
        state.worksheetTitles[i] = name;
        held = i;
    }
    state.worksheetCount = static_cast<qint16>(held);
    if (held < qMin(wanted, capacity))
        return ReadStatus::Short;
    if (held > 0 && !reader.lastFieldEnded())
        return ReadStatus::Unended;
    return wanted > capacity ? ReadStatus::OverLimit : ReadStatus::Complete;
}

ReadStatus read(const QString &path, AppState &state)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return ReadStatus::NoCount;
    return read(&file, state);
}

QStringList titles(const AppState &state)
{
    QStringList names;
    for (int i = 1; i <= state.worksheetCount; ++i)
        names.append(state.worksheetTitles[i]);
    return names;
}

QByteArray format(const QStringList &names)
{
    QString out = QStringLiteral(" %1 \r\n").arg(names.size());
    for (const QString &name : names)
        out += name + QStringLiteral("\r\n");
    return ansi::encodeFile(out);
}

Listing readAll(const QString &path)
{
    Listing listing;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        listing.error = QCoreApplication::translate(
            "Catalogue", "The catalogue of worksheets cannot be opened.");
        return listing;
    }
    AppState scratch;
    const ReadStatus status = read(&file, scratch);
    switch (status) {
    case ReadStatus::NoCount:
        listing.error = QCoreApplication::translate(
            "Catalogue", "The catalogue of worksheets does not start with its count.");
        break;
    case ReadStatus::TooLarge:
        listing.error =
            QCoreApplication::translate("Catalogue", "The catalogue of worksheets is too large.");
        break;
    case ReadStatus::Unended:
        listing.error = QCoreApplication::translate(
            "Catalogue", "The catalogue of worksheets ends in the middle of a line.");
        break;
    case ReadStatus::Short:
        listing.error = QCoreApplication::translate(
            "Catalogue", "The catalogue of worksheets is shorter than its count.");
        break;
    case ReadStatus::OverLimit:
        listing.error =
            QCoreApplication::translate(
                "Catalogue", "The catalogue of worksheets lists more than %1 worksheets.")
                .arg(AppState::MaxWorksheets);
        break;
    case ReadStatus::Complete:
        listing.names = titles(scratch);
        break;
    }
    return listing;
}

namespace
{

// A change holds the lock for its whole read-change-write. A lock older than StaleLockMs is taken
// to be left by a program that died (on this machine a dead owner is seen at once); a live one
// holds it for milliseconds. An empty lock is one whose maker died before it wrote its name: it
// is stale once it is older than a live maker could take to write it.
constexpr int StaleLockMs = 10000;
constexpr int LockWaitMs = StaleLockMs + 1000;
constexpr int EmptyLockStaleMs = 2000;
constexpr int WaitStepMs = 100;

QString CannotWrite()
{
    return QCoreApplication::translate("Catalogue",
                                       "The catalogue of worksheets cannot be written.");
}

QString holder(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host, program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return QCoreApplication::translate("Catalogue", "another program");
    return QCoreApplication::translate("Catalogue", "%1 on the computer %2")
        .arg(program.isEmpty() ? QCoreApplication::translate("Catalogue", "another program")
                               : program,
             host);
}

void removeEmptyStaleLock(const QString &lockFile)
{
    const QFileInfo info(lockFile);
    if (info.exists() && info.size() == 0 &&
        info.lastModified().msecsTo(QDateTime::currentDateTime()) > EmptyLockStaleMs)
        QFile::remove(lockFile);
}

Listing failedListing(const QString &why)
{
    Listing listing;
    listing.error = why;
    return listing;
}

// Takes the lock beside the catalogue at path, then reads the whole catalogue. With waitMs 0 it
// does not wait for another program's lock.
Listing lockAndReadAll(const QString &path, QLockFile &lock, const Waiting &waiting,
                       int waitMs = LockWaitMs)
{
    if (path.isEmpty())
        return failedListing(QCoreApplication::translate(
            "Catalogue", "The catalogue of worksheets cannot be opened."));
    lock.setStaleLockTime(StaleLockMs);
    removeEmptyStaleLock(lockPath(path));
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(qMin(WaitStepMs, waitMs))) {
        if (lock.error() != QLockFile::LockFailedError) {
            const core::Result writable = checkFolderWritable(path);
            return failedListing(writable ? CannotWrite() : writable.error);
        }
        removeEmptyStaleLock(lockPath(path));
        if (waited.elapsed() >= waitMs || (waiting && !waiting(holder(lock))))
            return failedListing(QCoreApplication::translate(
                                     "Catalogue", "The catalogue of worksheets is in use by %1.")
                                     .arg(holder(lock)));
    }
    savefile::shareWithGroup(lockPath(path));
    return readAll(path);
}

QString NotConfirmed()
{
    return QCoreApplication::translate(
        "Catalogue",
        "The disk did not confirm the change to the worksheet folder: it may be lost if the power "
        "fails now.");
}

// Replaces the file at path as a whole: the old file stays intact unless the new one was written
// completely.
savefile::Result writeAll(const QString &path, const QStringList &names)
{
    const QByteArray bytes = format(names);
    return savefile::replace(
        path, [&](QIODevice *device) { return device->write(bytes) == bytes.size(); });
}

void hold(const QStringList &names, AppState &state)
{
    for (int i = 0; i < names.size(); ++i)
        state.worksheetTitles[i + 1] = names[i];
    state.worksheetCount = static_cast<qint16>(names.size());
}

Change failure(const QString &why)
{
    Change change;
    change.error = why;
    return change;
}

// Writes the names over the file when they changed, then holds them in memory.
Change conclude(const QString &path, const QStringList &names, bool changed, AppState &state)
{
    Change change;
    if (changed) {
        const savefile::Result written = writeAll(path, names);
        if (!written)
            return failure(CannotWrite());
        if (!written.confirmed)
            change.warning = NotConfirmed();
    }
    hold(names, state);
    change.changed = changed;
    return change;
}

Change addLocked(const QString &path, QStringList names, const QString &title, AppState &state)
{
    if (names.contains(title))
        return conclude(path, names, false, state);
    if (names.size() >= AppState::MaxWorksheets)
        return failure(
            QCoreApplication::translate("Catalogue", "The catalogue of worksheets is full."));
    names.append(title);
    return conclude(path, names, true, state);
}

} // namespace

Change add(const QString &path, const QString &title, AppState &state, const Waiting &waiting)
{
    QLockFile lock(lockPath(path));
    const Listing listing = lockAndReadAll(path, lock, waiting);
    if (!listing)
        return failure(listing.error);
    return addLocked(path, listing.names, title, state);
}

Change remove(const QString &path, const QString &title, AppState &state, const Waiting &waiting)
{
    QLockFile lock(lockPath(path));
    const Listing listing = lockAndReadAll(path, lock, waiting);
    if (!listing)
        return failure(listing.error);
    QStringList names = listing.names;
    const qsizetype pos = names.lastIndexOf(title);
    if (pos < 0)
        return conclude(path, names, false, state);
    names.removeAt(pos);
    Change change = conclude(path, names, true, state);
    // The slot the last name moved out of no longer names anything.
    if (change)
        state.worksheetTitles[names.size() + 1].clear();
    return change;
}

core::Result checkFolderWritable(const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (path.isEmpty() || !folder.isDir() || folder.isWritable())
        return {};
    return {QCoreApplication::translate(
                "Catalogue",
                "The worksheet folder %1 can be read but not written by this login, so "
                "nothing can be saved there. Ask whoever looks after the computers to "
                "let teachers write into it.")
                .arg(QDir::toNativeSeparators(folder.absoluteFilePath()))};
}

QString lockPath(const QString &path)
{
    return path + QStringLiteral(".lock");
}

QString markerPath(const QString &path, const QString &title)
{
    return path.isEmpty() ? QString()
                          : QFileInfo(path).dir().filePath(title + QStringLiteral(".pending"));
}

void recover(const QString &path)
{
    if (path.isEmpty())
        return;
    const QDir folder = QFileInfo(path).dir();
    // One listing of the folder for both.
    QFileInfoList markers;
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (file.fileName().endsWith(QLatin1String(".pending")) && !file.isHidden())
            markers.append(file);
        // The temporary files of replacements that never finished. A live one is renamed
        // within a second of being written.
        else if (savefile::isTemporaryName(file.fileName()) && file.lastModified().toUTC() < stale)
            QFile::remove(file.filePath());
    }
    if (markers.isEmpty())
        return;
    QLockFile lock(lockPath(path));
    const Listing listing = lockAndReadAll(path, lock, {}, 0);
    if (!listing)
        return;
    QStringList names = listing.names;
    for (const QFileInfo &marker : markers) {
        // A marker names its worksheet, or lists the worksheets of one import, a title a line.
        QFile list(marker.filePath());
        QStringList listed;
        if (list.open(QIODevice::ReadOnly))
            listed = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (listed.isEmpty())
            listed << marker.completeBaseName();
        bool done = true;
        for (const QString &title : listed) {
            QFile sheet(folder.filePath(title + QStringLiteral(".txt")));
            AppState scratch;
            const bool written = isStorableTitle(title) && sheet.open(QIODevice::ReadOnly) &&
                                 questionfile::LoadQuestionFile(&sheet, scratch.quiz).ok();
            // A marker whose worksheet was never written in full has nothing to list.
            if (!written)
                continue;
            const bool added = bool(addLocked(path, names, title, scratch));
            if (added)
                names = titles(scratch);
            done = done && added;
        }
        if (done)
            QFile::remove(marker.filePath());
    }
}

bool isStorableTitle(const QString &title)
{
    return checkTitle(title).fault == TitleFault::None;
}

TitleCheck checkTitle(const QString &title)
{
    if (title.isEmpty())
        return {TitleFault::Empty, {}};
    if (title != title.trimmed())
        return {TitleFault::Blanks, {}};
    // Any letter of any language can name a file; a character that prints nothing, or half of a
    // character beyond the first 65536, cannot be seen or carried back. The joiner that makes one
    // picture of two (a woman and a microscope: a scientist) is part of what is seen.
    const QChar joiner(0x200D);
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QChar c = title[i];
        if (c == joiner && i > 0 && i + 1 < title.size() && !title[i - 1].isSpace() &&
            title[i - 1] != joiner && !title[i + 1].isSpace() && title[i + 1] != joiner)
            continue;
        if (c.isHighSurrogate() && i + 1 < title.size() && title[i + 1].isLowSurrogate()) {
            if (!QChar::isPrint(QChar::surrogateToUcs4(c, title[i + 1])))
                return {TitleFault::Invisible, {}};
            ++i;
        } else if (c.isSurrogate() || !c.isPrint()) {
            return {TitleFault::Invisible, {}};
        }
    }
    static const QString refused = QStringLiteral("<>:\"/\\|?*,&");
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QChar c = title[i];
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f) ||
            (c.isSpace() && c != QLatin1Char(' ')))
            return {TitleFault::Invisible, {}};
        if (refused.contains(c))
            return {TitleFault::Character, QString(c), int(i) + 1};
    }
    if (title.contains(QLatin1String("..")) || title.startsWith(QLatin1Char('.')) ||
        title.endsWith(QLatin1Char('.')))
        return {TitleFault::FullStops, {}};
    // Device names that Windows will not give to a file, whatever the extension.
    const QString upper = title.toUpper();
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (devices.contains(upper))
        return {TitleFault::ReservedName, {}};
    if (upper.size() == 4 &&
        (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT"))) &&
        upper[3] >= QLatin1Char('1') && upper[3] <= QLatin1Char('9'))
        return {TitleFault::ReservedName, {}};
    return {};
}

namespace
{

// The bytes of a worksheet file, when the program's own reader takes them back whole: only such a
// file is ever saved.
bool readableBytes(const questionfile::Worksheet &sheet, QByteArray *bytes)
{
    {
        QBuffer buffer(bytes);
        buffer.open(QIODevice::WriteOnly);
        questionfile::write(&buffer, sheet);
    }
    QBuffer back(bytes);
    back.open(QIODevice::ReadOnly);
    questionfile::Worksheet readBack;
    return questionfile::LoadQuestionFile(&back, readBack).ok();
}

} // namespace

Change saveWorksheets(const Save &save, QVector<questionfile::Worksheet> &sheets, AppState &state,
                      int *written)
{
    *written = 0;
    const QString &path = save.cataloguePath;
    QLockFile lock(lockPath(path));
    const Listing listing = lockAndReadAll(path, lock, save.waiting);
    if (!listing)
        return failure(listing.error);
    const QStringList &names = listing.names;

    // Every title and file decided first, each as saveWorksheet decides one.
    QStringList planned = names;
    QVector<QByteArray> files;
    QString stopped;
    for (questionfile::Worksheet &sheet : sheets) {
        if (save.pickTitle) {
            const Title picked = save.pickTitle(planned);
            if (!picked) {
                stopped = picked.error;
                break;
            }
            sheet.title = picked.title;
        }
        if (!planned.contains(sheet.title) && planned.size() >= AppState::MaxWorksheets) {
            stopped =
                QCoreApplication::translate("Catalogue", "The catalogue of worksheets is full.");
            break;
        }
        QByteArray bytes;
        if (!readableBytes(sheet, &bytes)) {
            stopped = QCoreApplication::translate(
                          "Catalogue", "The worksheet %1 would not open again as it stands, so it "
                                       "was not saved.")
                          .arg(sheet.title);
            break;
        }
        if (!planned.contains(sheet.title))
            planned.append(sheet.title);
        files.append(bytes);
    }
    if (files.isEmpty())
        return failure(stopped);

    // One marker for them all, listing every title, so that a kill part way is mended by
    // recover; then each file synced on its own and the folder once.
    QStringList titled;
    for (qsizetype i = 0; i < files.size(); ++i)
        titled << sheets[i].title;
    const QString marker = markerPath(path, titled.first());
    const QByteArray list = titled.join(QLatin1Char('\n')).toUtf8() + '\n';
    if (!savefile::replace(marker,
                           [&](QIODevice *device) { return device->write(list) == list.size(); }))
        return failure(
            QCoreApplication::translate("Catalogue", "The worksheet folder cannot be written."));
    Change change;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = save.worksheetPath ? save.worksheetPath(titled[i]) : QString();
        const QByteArray &bytes = files[i];
        if (file.isEmpty() ||
            !savefile::replace(
                file, [&](QIODevice *device) { return device->write(bytes) == bytes.size(); },
                savefile::Folder::Later)) {
            stopped = QCoreApplication::translate("Catalogue",
                                                  "The worksheet file of %1 cannot be written: "
                                                  "the disk may be full or the folder read-only.")
                          .arg(titled[i]);
            break;
        }
        ++*written;
    }
    const bool confirmed = savefile::syncFolderOf(marker);
    if (*written > 0) {
        QStringList listed = names;
        for (int i = 0; i < *written; ++i) {
            if (!listed.contains(titled[i]))
                listed.append(titled[i]);
        }
        change = conclude(path, listed, listed != names, state);
        if (!change) {
            // Not listed, so the new files go again; a listed title's file stays replaced.
            for (int i = 0; i < *written; ++i) {
                if (!names.contains(titled[i]))
                    QFile::remove(save.worksheetPath(titled[i]));
            }
            *written = 0;
        } else if (!confirmed) {
            change.warning = NotConfirmed();
        }
    }
    if (!stopped.isEmpty() && change)
        change.error = stopped;
    QFile::remove(marker);
    return change;
}

bool occupied(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

Change saveWorksheet(const Save &save, questionfile::Worksheet &sheet, AppState &state,
                     bool *written)
{
    QVector<questionfile::Worksheet> one{sheet};
    int saved = 0;
    Change change = saveWorksheets(save, one, state, &saved);
    sheet = one.first();
    if (written)
        *written = saved > 0;
    return change;
}

} // namespace catalogue
