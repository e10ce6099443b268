// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "ansi.h"
#include "fieldreader.h"
#include "questionfile.h"
#include "savefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QStringList>

namespace catalogue
{

ReadStatus read(QIODevice *device, Module1 &state)
{
    FieldReader reader(device);
    if (reader.tooLarge())
        return ReadStatus::TooLarge;
    int count = 0;
    if (!reader.readNumber(&count) || count < 0 || count > 0x7fff)
        return ReadStatus::NoCount; // not a count the 16-bit count can hold

    const int wanted = count;
    const int capacity = Module1::MaxWorksheets;
    int held = 0;
    for (int i = 1; i <= qMin(wanted, capacity); ++i) {
        QString name;
        if (!reader.read(&name))
            break;
        state.WorksheetNames[i] = name;
        held = i;
    }
    state.WorksheetCount = static_cast<qint16>(held);
    if (held < qMin(wanted, capacity))
        return ReadStatus::Short;
    if (held > 0 && !reader.lastFieldEnded())
        return ReadStatus::Unended;
    return wanted > capacity ? ReadStatus::OverLimit : ReadStatus::Complete;
}

ReadStatus read(const QString &path, Module1 &state)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return ReadStatus::NoCount;
    return read(&file, state);
}

QStringList titles(const Module1 &state)
{
    QStringList names;
    for (int i = 1; i <= state.WorksheetCount; ++i)
        names.append(state.WorksheetNames[i]);
    return names;
}

QByteArray format(const QStringList &names)
{
    QByteArray out = " " + QByteArray::number(names.size()) + " \r\n";
    for (const QString &name : names)
        out += ansi::encode(name) + "\r\n";
    return out;
}

QString readAll(const QString &path, QStringList *names)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("The catalogue of worksheets cannot be opened.");
    Module1 scratch;
    const ReadStatus status = read(&file, scratch);
    switch (status) {
    case ReadStatus::NoCount:
        return QStringLiteral("The catalogue of worksheets does not start with its count.");
    case ReadStatus::TooLarge:
        return QStringLiteral("The catalogue of worksheets is too large.");
    case ReadStatus::Unended:
        return QStringLiteral("The catalogue of worksheets ends in the middle of a line.");
    case ReadStatus::Short:
        return QStringLiteral("The catalogue of worksheets is shorter than its count.");
    case ReadStatus::OverLimit:
        return QStringLiteral("The catalogue of worksheets lists more than %1 worksheets.")
            .arg(Module1::MaxWorksheets);
    case ReadStatus::Complete:
        break;
    }
    *names = titles(scratch);
    return QString();
}

namespace
{

// A change holds the lock for its whole read-change-write. A lock older than StaleLockMs is taken
// to be left by a program that died (on this machine a dead owner is seen at once); a live one
// holds it for milliseconds.
constexpr int StaleLockMs = 10000;
constexpr int LockWaitMs = StaleLockMs + 1000;

// Takes the lock beside the catalogue at path, then reads the whole catalogue into names.
QString lockAndReadAll(const QString &path, QLockFile &lock, QStringList *names)
{
    if (path.isEmpty())
        return QStringLiteral("The catalogue of worksheets cannot be opened.");
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(LockWaitMs)) {
        return lock.error() == QLockFile::LockFailedError
                   ? QStringLiteral("The catalogue of worksheets is in use.")
                   : QStringLiteral("The catalogue of worksheets cannot be written.");
    }
    return readAll(path, names);
}

// Replaces the file at path as a whole: the old file stays intact unless the new one was written
// completely.
QString writeAll(const QString &path, const QStringList &names)
{
    const QByteArray bytes = format(names);
    const bool written = savefile::replace(
        path, [&](QIODevice *device) { return device->write(bytes) == bytes.size(); });
    return written ? QString() : QStringLiteral("The catalogue of worksheets cannot be written.");
}

void hold(const QStringList &names, Module1 &state)
{
    for (int i = 0; i < names.size(); ++i)
        state.WorksheetNames[i + 1] = names[i];
    state.WorksheetCount = static_cast<qint16>(names.size());
}

Change failure(const QString &why)
{
    Change change;
    change.error = why;
    return change;
}

// Writes the names over the file when they changed, then holds them in memory.
Change conclude(const QString &path, const QStringList &names, bool changed, Module1 &state)
{
    if (changed) {
        const QString writeError = writeAll(path, names);
        if (!writeError.isEmpty())
            return failure(writeError);
    }
    hold(names, state);
    Change change;
    change.ok = true;
    change.changed = changed;
    return change;
}

} // namespace

Change add(const QString &path, const QString &title, Module1 &state)
{
    QLockFile lock(lockPath(path));
    QStringList names;
    const QString readError = lockAndReadAll(path, lock, &names);
    if (!readError.isEmpty())
        return failure(readError);
    if (names.contains(title))
        return conclude(path, names, false, state);
    if (names.size() >= Module1::MaxWorksheets)
        return failure(QStringLiteral("The catalogue of worksheets is full."));
    names.append(title);
    return conclude(path, names, true, state);
}

Change remove(const QString &path, const QString &title, Module1 &state)
{
    QLockFile lock(lockPath(path));
    QStringList names;
    const QString readError = lockAndReadAll(path, lock, &names);
    if (!readError.isEmpty())
        return failure(readError);
    const qsizetype pos = names.lastIndexOf(title);
    if (pos < 0)
        return conclude(path, names, false, state);
    names.removeAt(pos);
    Change change = conclude(path, names, true, state);
    // The slot the last name moved out of no longer names anything.
    if (change.ok)
        state.WorksheetNames[names.size() + 1].clear();
    return change;
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

bool markPending(const QString &path, const QString &title)
{
    return !path.isEmpty() && isStorableTitle(title) &&
           savefile::replace(markerPath(path, title), [](QIODevice *) { return true; });
}

void recover(const QString &path)
{
    if (path.isEmpty())
        return;
    const QDir folder = QFileInfo(path).dir();
    for (const QFileInfo &marker :
         folder.entryInfoList({QStringLiteral("*.pending")}, QDir::Files)) {
        const QString title = marker.completeBaseName();
        QFile sheet(folder.filePath(title + QStringLiteral(".txt")));
        Module1 scratch;
        const bool written = isStorableTitle(title) && sheet.open(QIODevice::ReadOnly) &&
                             questionfile::LoadQuestionFile(&sheet, scratch).ok;
        // A marker whose worksheet was never written in full has nothing to list.
        if (!written || add(path, title, scratch).ok)
            QFile::remove(marker.filePath());
    }
    // The temporary files of replacements that never finished: "<name>.XXXXXX". A live one is
    // renamed within a second of being written.
    static const QRegularExpression temporary(QStringLiteral("\\.(txt|pending)\\.[A-Za-z0-9]{6}$"));
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (temporary.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < stale)
            QFile::remove(file.filePath());
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
    if (ansi::decode(ansi::encode(title)) != title) {
        for (qsizetype i = 0; i < title.size();) {
            const qsizetype n = title[i].isHighSurrogate() && i + 1 < title.size() ? 2 : 1;
            const QString c = title.mid(i, n);
            if (ansi::decode(ansi::encode(c)) != c)
                return {c[0].isPrint() ? TitleFault::OutsideAnsi : TitleFault::Invisible, c,
                        int(i) + 1};
            i += n;
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

Change saveWorksheet(const QString &path, const QString &worksheetPath,
                     const questionfile::Worksheet &sheet, Module1 &state, bool *written)
{
    bool replaced = false;
    Change change;
    if (!markPending(path, sheet.title)) {
        change.error = QStringLiteral("The worksheet folder cannot be written.");
    } else if (worksheetPath.isEmpty() || !savefile::replace(worksheetPath, [&](QIODevice *device) {
                   return questionfile::write(device, sheet);
               })) {
        change.error = QStringLiteral("The worksheet file cannot be written: the disk may be full "
                                      "or the folder read-only.");
    } else {
        replaced = true;
        change = add(path, sheet.title, state);
    }
    QFile::remove(markerPath(path, sheet.title));
    if (written)
        *written = replaced;
    return change;
}

} // namespace catalogue
