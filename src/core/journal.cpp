// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSet>
#include <QSysInfo>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace journal
{

namespace
{

const QByteArray Tag = "Q1";
constexpr int Fields = 10; // the tag, eight values and the check
const QString CannotWrite =
    QStringLiteral("The results folder cannot be written: the disk may be full or the folder "
                   "read-only.");

QByteArray escaped(const QString &text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool unescaped(QByteArrayView field, QString *text)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == field.size())
            return false;
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    *text = QString::fromUtf8(out);
    return true;
}

QByteArray stamp(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate).toLatin1();
}

QByteArray check(QByteArrayView body)
{
    return QByteArray::number(qChecksum(body), 16).rightJustified(4, '0');
}

bool number(QByteArrayView field, int *value, int low, int high)
{
    bool ok = false;
    *value = field.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

bool parse(QByteArrayView text, Record *record)
{
    const qsizetype lastTab = text.lastIndexOf('\t');
    if (lastTab < 0 || check(text.first(lastTab)) != text.sliced(lastTab + 1))
        return false;
    QList<QByteArrayView> fields;
    for (qsizetype start = 0;;) {
        const qsizetype tab = text.indexOf('\t', start);
        fields.append(text.sliced(start, (tab < 0 ? text.size() : tab) - start));
        if (tab < 0)
            break;
        start = tab + 1;
    }
    if (fields.size() != Fields || fields[0] != Tag)
        return false;
    Record r;
    QString started, finished;
    if (!unescaped(fields[1], &r.pupil) || !unescaped(fields[2], &started) ||
        !unescaped(fields[3], &finished) || !unescaped(fields[4], &r.topic) ||
        !unescaped(fields[5], &r.activity) || !number(fields[6], &r.score, 0, 1000) ||
        !number(fields[7], &r.outOf, 0, 1000) || r.pupil.isEmpty())
        return false;
    r.started = QDateTime::fromString(started, Qt::ISODate);
    r.finished = QDateTime::fromString(finished, Qt::ISODate);
    if (!r.started.isValid() || !r.finished.isValid())
        return false;
    for (const QByteArray &n : fields[8].toByteArray().split(' ')) {
        int question = 0;
        if (n.isEmpty())
            continue;
        if (!number(n, &question, 1, 1000))
            return false;
        r.wrong.append(question);
    }
    *record = r;
    return true;
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString localTime(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString wrongList(const QVector<int> &wrong)
{
    QStringList numbers;
    for (const int n : wrong)
        numbers << QString::number(n);
    return numbers.join(QLatin1Char(' '));
}

QFileInfoList journalFiles(const QString &folder)
{
    return QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

bool finishedBefore(const Record &a, const Record &b)
{
    if (a.finished != b.finished)
        return a.finished < b.finished;
    return a.pupil < b.pupil;
}

} // namespace

bool Record::operator==(const Record &other) const
{
    return pupil == other.pupil && started == other.started && finished == other.finished &&
           topic == other.topic && activity == other.activity && score == other.score &&
           outOf == other.outOf && wrong == other.wrong;
}

QByteArray line(const Record &record)
{
    QByteArray wrong;
    for (const int n : record.wrong)
        wrong += (wrong.isEmpty() ? "" : " ") + QByteArray::number(n);
    const QByteArray body = Tag + '\t' + escaped(record.pupil) + '\t' + stamp(record.started) +
                            '\t' + stamp(record.finished) + '\t' + escaped(record.topic) + '\t' +
                            escaped(record.activity) + '\t' + QByteArray::number(record.score) +
                            '\t' + QByteArray::number(record.outOf) + '\t' + wrong;
    return body + '\t' + check(body) + '\n';
}

Read read(QIODevice *device)
{
    Read result;
    if (!device || !device->isReadable()) {
        result.error = QStringLiteral("The results file cannot be opened.");
        return result;
    }
    const QByteArray bytes = device->readAll();
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        // A last line without its line end was cut off while it was written.
        const QByteArrayView text(bytes.constData() + start,
                                  (end < 0 ? bytes.size() : end) - start);
        Record record;
        if (end >= 0 && parse(text, &record))
            result.records.append(record);
        else if (!text.trimmed().isEmpty())
            ++result.skipped;
        if (end < 0)
            break;
        start = end + 1;
    }
    return result;
}

Read readFolder(const QString &folder)
{
    Read all;
    QStringList unread;
    for (const QFileInfo &info : journalFiles(folder)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            unread << info.fileName();
            continue;
        }
        const Read one = read(&file);
        all.records += one.records;
        all.skipped += one.skipped;
    }
    if (!unread.isEmpty())
        all.error = QStringLiteral("These results files cannot be read: %1.")
                        .arg(unread.join(QStringLiteral(", ")));
    std::stable_sort(all.records.begin(), all.records.end(), finishedBefore);
    return all;
}

QString fileName(const QString &login, const QString &computer)
{
    QString name = (login.isEmpty() ? QStringLiteral("unknown") : login) + QLatin1Char('@') +
                   (computer.isEmpty() ? QStringLiteral("unknown") : computer);
    for (QChar &c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('@') || c == QLatin1Char('-') ||
              c == QLatin1Char('_') || c == QLatin1Char('.')) ||
            c.unicode() > 0x7f)
            c = QLatin1Char('_');
    }
    if (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    return name + QStringLiteral(".txt");
}

QString ownFileName()
{
    QString login;
    if (const passwd *user = ::getpwuid(::geteuid()))
        login = QString::fromLocal8Bit(user->pw_name);
    if (login.isEmpty())
        login = qEnvironmentVariable("USER");
    return fileName(login, QSysInfo::machineHostName());
}

QString loginFullName()
{
    const passwd *user = ::getpwuid(::geteuid());
    if (!user || !user->pw_gecos)
        return QString();
    return cleanName(
        QString::fromLocal8Bit(user->pw_gecos).section(QLatin1Char(','), 0, 0));
}

savefile::Result append(const QString &path, const Record &record)
{
    savefile::Result result;
    const QString folder = QFileInfo(path).absolutePath();
    if (!savefile::makeSharedFolder(folder)) {
        result.error = CannotWrite;
        return result;
    }
    bool made = false;
    int fd = ::open(native(path).constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = savefile::createShared(path, O_WRONLY | O_APPEND | O_NOFOLLOW);
        made = fd >= 0;
        if (fd < 0 && errno == EEXIST) // made by this login's other copy just now
            fd = ::open(native(path).constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd < 0) {
        result.error = CannotWrite;
        return result;
    }
    QByteArray bytes = line(record);
    struct stat st {
    };
    if (!made && ::fstat(fd, &st) == 0 && st.st_size > 0) {
        char last = '\n';
        const int reader = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
        if (reader >= 0) {
            if (::pread(reader, &last, 1, st.st_size - 1) == 1 && last != '\n')
                bytes.prepend('\n');
            ::close(reader);
        }
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        result.error = CannotWrite;
        return result;
    }
    result.status = savefile::Result::Saved;
    if (made) {
        const int dir = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0 || (::fsync(dir) != 0 && errno != EINVAL))
            result.status = savefile::Result::Unconfirmed;
        if (dir >= 0)
            ::close(dir);
    }
    return result;
}

QString cleanName(const QString &typed)
{
    QString name;
    for (const QChar c : typed)
        name += c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
                    ? QChar(QLatin1Char(' '))
                    : c;
    name = name.simplified().left(MaxName);
    // A cut through a pair of surrogates leaves half a character.
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    return name.trimmed();
}

QStringList pupils(const QVector<Record> &records)
{
    QSet<QString> seen;
    QStringList names;
    for (const Record &r : records) {
        if (!seen.contains(r.pupil)) {
            seen.insert(r.pupil);
            names << r.pupil;
        }
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QVector<Record> filter(const QVector<Record> &records, const QDate &from, const QDate &to,
                       const QString &pupil)
{
    QVector<Record> kept;
    for (const Record &r : records) {
        const QDate day = r.finished.toLocalTime().date();
        if ((from.isValid() && day < from) || (to.isValid() && day > to) ||
            (!pupil.isEmpty() && r.pupil != pupil))
            continue;
        kept.append(r);
    }
    return kept;
}

QStringList csvHeader()
{
    return {QStringLiteral("pupil"),    QStringLiteral("started"), QStringLiteral("finished"),
            QStringLiteral("topic"),    QStringLiteral("activity"), QStringLiteral("score"),
            QStringLiteral("out of"),   QStringLiteral("wrong")};
}

bool writeCsv(QIODevice *device, const QVector<Record> &records)
{
    QByteArray out = csvHeader().join(QLatin1Char(',')).toUtf8() + "\r\n";
    for (const Record &r : records) {
        const QStringList fields = {csvField(r.pupil),
                                    localTime(r.started),
                                    localTime(r.finished),
                                    csvField(r.topic),
                                    csvField(r.activity),
                                    QString::number(r.score),
                                    QString::number(r.outOf),
                                    wrongList(r.wrong)};
        out += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
        if (out.size() > 1024 * 1024) {
            if (device->write(out) != out.size())
                return false;
            out.clear();
        }
    }
    return device->write(out) == out.size();
}

savefile::Result removePupil(const QString &folder, const QString &pupil, int *removed)
{
    *removed = 0;
    savefile::Result result;
    result.status = savefile::Result::Saved;
    for (const QFileInfo &info : journalFiles(folder)) {
        for (int attempt = 0;; ++attempt) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                savefile::Result failed;
                failed.error = QStringLiteral("The results file %1 cannot be read.")
                                   .arg(info.fileName());
                return failed;
            }
            const QByteArray bytes = file.readAll();
            file.close();
            QByteArray kept;
            int gone = 0;
            for (const QByteArray &text : bytes.split('\n')) {
                Record record;
                if (parse(text, &record) && record.pupil == pupil)
                    ++gone;
                else if (!text.isEmpty())
                    kept += text + '\n';
            }
            if (gone == 0)
                break;
            bool grew = false;
            const savefile::Result replaced =
                savefile::replace(info.filePath(), [&](QIODevice *device) {
                    grew = QFileInfo(info.filePath()).size() != bytes.size();
                    return !grew && device->write(kept) == kept.size();
                });
            if (grew && attempt < 5)
                continue;
            if (!replaced) {
                savefile::Result failed;
                failed.error = QStringLiteral("The results file %1 cannot be written. %2")
                                   .arg(info.fileName(), replaced.error);
                return failed;
            }
            if (replaced.status == savefile::Result::Unconfirmed)
                result.status = savefile::Result::Unconfirmed;
            *removed += gone;
            break;
        }
    }
    return result;
}

Table summarize(const QVector<Record> &records)
{
    Table table;
    table.pupils = pupils(records);
    QHash<QString, int> row;
    for (int i = 0; i < table.pupils.size(); ++i)
        row.insert(table.pupils[i], i);
    QSet<QPair<QString, QString>> seen;
    for (const Record &r : records) {
        const QPair<QString, QString> column(r.topic, r.activity);
        if (!seen.contains(column)) {
            seen.insert(column);
            table.columns.append(column);
        }
    }
    std::sort(table.columns.begin(), table.columns.end(),
              [](const QPair<QString, QString> &a, const QPair<QString, QString> &b) {
                  const int c = a.first.compare(b.first, Qt::CaseInsensitive);
                  if (c != 0)
                      return c < 0;
                  return a.second < b.second;
              });
    QHash<QPair<QString, QString>, int> column;
    for (int i = 0; i < table.columns.size(); ++i)
        column.insert(table.columns[i], i);
    for (const Record &r : records) {
        Cell &cell = table.cells[{row.value(r.pupil), column.value({r.topic, r.activity})}];
        // The better share of its full score: a * d > c * b for a/b > c/d.
        const bool better = cell.tries == 0 || qint64(r.score) * qMax(cell.bestOutOf, 1) >
                                                   qint64(cell.best) * qMax(r.outOf, 1);
        if (better) {
            cell.best = r.score;
            cell.bestOutOf = r.outOf;
        }
        cell.latest = r.score;
        cell.latestOutOf = r.outOf;
        ++cell.tries;
    }
    return table;
}

} // namespace journal
