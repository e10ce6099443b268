#include "catalogue.h"

#include "ansi.h"
#include "fieldreader.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace catalogue
{

ReadStatus read(QIODevice *device, Module1 &state)
{
    FieldReader reader(device);
    int count = 0;
    if (!reader.readNumber(&count))
        return ReadStatus::NoCount;
    if (count > 0x7fff)
        return ReadStatus::NoCount; // does not fit the 16-bit count

    const int wanted = qMax(0, count);
    const int capacity = Module1::MaxWorksheets;
    int held = 0;
    for (int i = 1; i <= qMin(wanted, capacity); ++i) {
        QString name;
        if (!reader.read(&name))
            break;
        state.WorksheetNames[i] = name;
        held = i;
    }
    if (wanted == 0) {
        state.WorksheetCount = static_cast<qint16>(qMax(count, 0));
        return ReadStatus::Complete;
    }
    state.WorksheetCount = static_cast<qint16>(held);
    if (held < qMin(wanted, capacity))
        return ReadStatus::Short;
    return wanted > capacity ? ReadStatus::OverLimit : ReadStatus::Complete;
}

QByteArray format(const QStringList &names)
{
    QByteArray out = " " + QByteArray::number(names.size()) + " \r\n";
    for (const QString &name : names)
        out += ansi::encode(name) + "\r\n";
    return out;
}

namespace
{

// Reads the whole catalogue at path into names; an error text when it cannot be read in full.
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
    case ReadStatus::Short:
        return QStringLiteral("The catalogue of worksheets is shorter than its count.");
    case ReadStatus::OverLimit:
        return QStringLiteral("The catalogue of worksheets lists more than %1 worksheets.")
            .arg(Module1::MaxWorksheets);
    case ReadStatus::Complete:
        break;
    }
    names->clear();
    for (int i = 1; i <= scratch.WorksheetCount; ++i)
        names->append(scratch.WorksheetNames[i]);
    return QString();
}

// Replaces the file at path as a whole: the old file stays intact unless the new one was written
// completely.
QString writeAll(const QString &path, const QStringList &names)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("The catalogue of worksheets cannot be written.");
    const QByteArray bytes = format(names);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("The catalogue of worksheets cannot be written.");
    return QString();
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
    QStringList names;
    const QString readError = readAll(path, &names);
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
    QStringList names;
    const QString readError = readAll(path, &names);
    if (!readError.isEmpty())
        return failure(readError);
    const qsizetype pos = names.lastIndexOf(title);
    if (pos < 0)
        return conclude(path, names, false, state);
    names.removeAt(pos);
    const Change change = conclude(path, names, true, state);
    // The slot the last name moved out of no longer names anything.
    if (change.ok)
        state.WorksheetNames[names.size() + 1].clear();
    return change;
}

bool isStorableTitle(const QString &title)
{
    if (title.isEmpty() || title != title.trimmed())
        return false;
    if (ansi::decode(ansi::encode(title)) != title)
        return false; // outside Windows-1252
    static const QString refused = QStringLiteral("<>:\"/\\|?*,&");
    for (QChar c : title) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f) ||
            refused.contains(c) || (c.isSpace() && c != QLatin1Char(' ')))
            return false;
    }
    if (title.contains(QLatin1String("..")) || title.startsWith(QLatin1Char('.')) ||
        title.endsWith(QLatin1Char('.')))
        return false;
    // Device names that Windows will not give to a file, whatever the extension.
    const QString upper = title.toUpper();
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (devices.contains(upper))
        return false;
    if (upper.size() == 4 &&
        (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT"))) &&
        upper[3] >= QLatin1Char('1') && upper[3] <= QLatin1Char('9'))
        return false;
    return true;
}

} // namespace catalogue
