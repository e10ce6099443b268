// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSet>
#include <QSysInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <numeric>

#include <cerrno>
#include <csignal>
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
const char *const CannotWrite = QT_TRANSLATE_NOOP(
    "Journal",
    "The results folder cannot be written: the disk may be full or the folder read-only.");

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

// "2026-09-14T10:01:00+01:00": the wall-clock time where the attempt was made, and its offset
// from UTC. Written and read by hand: the toolkit's general parsing and time-zone lookups cost
// more than the rest of a record.
QByteArray stamp(const QDateTime &time)
{
    const QDateTime local = time.toOffsetFromUtc(time.offsetFromUtc());
    const QDate d = local.date();
    const QTime t = local.time();
    const int offset = local.offsetFromUtc() / 60;
    char text[32];
    const int n =
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", d.year(),
                      d.month(), d.day(), t.hour(), t.minute(), t.second(), offset < 0 ? '-' : '+',
                      std::abs(offset) / 60, std::abs(offset) % 60);
    return QByteArray(text, n);
}

bool digits(QByteArrayView text, qsizetype at, int count, int *value)
{
    *value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        *value = *value * 10 + (c - '0');
    }
    return true;
}

bool time(QByteArrayView text, QDateTime *value)
{
    // 0123456789012345678901234
    // 2026-09-14T10:01:00+01:00 (or Z for UTC)
    int year, month, day, hour, minute, second, offsetHours = 0, offsetMinutes = 0;
    if ((text.size() != 25 && text.size() != 20) || text[4] != '-' || text[7] != '-' ||
        text[10] != 'T' || text[13] != ':' || text[16] != ':' || !digits(text, 0, 4, &year) ||
        !digits(text, 5, 2, &month) || !digits(text, 8, 2, &day) || !digits(text, 11, 2, &hour) ||
        !digits(text, 14, 2, &minute) || !digits(text, 17, 2, &second))
        return false;
    int sign = 1;
    if (text.size() == 20) {
        if (text[19] != 'Z')
            return false;
    } else if ((text[19] != '+' && text[19] != '-') || text[22] != ':' ||
               !digits(text, 20, 2, &offsetHours) || !digits(text, 23, 2, &offsetMinutes)) {
        return false;
    } else if (text[19] == '-') {
        sign = -1;
    }
    const QDate date(year, month, day);
    const QTime clock(hour, minute, second);
    if (!date.isValid() || !clock.isValid() || offsetHours > 14 || offsetMinutes > 59)
        return false;
    *value =
        QDateTime(date, clock, Qt::OffsetFromUTC, sign * (offsetHours * 3600 + offsetMinutes * 60));
    return value->isValid();
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

// The texts of a reading, each kept once: a class's records name few pupils, topics and
// activities, so most fields are found here without decoding or allocating, and equal texts share
// their data (which the table and the CSV writer then recognise by its address).
class Texts
{
public:
    bool take(QByteArrayView field, QString *text)
    {
        const QByteArray key = QByteArray::fromRawData(field.data(), field.size());
        const auto found = m_known.constFind(key);
        if (found != m_known.cend()) {
            *text = found.value();
            return true;
        }
        if (!unescaped(field, text))
            return false;
        m_known.insert(field.toByteArray(), *text);
        return true;
    }

private:
    QHash<QByteArray, QString> m_known;
};

bool parse(QByteArrayView text, Record *record, Texts &texts)
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
    if (!texts.take(fields[1], &r.pupil) || !time(fields[2], &r.started) ||
        !time(fields[3], &r.finished) || !texts.take(fields[4], &r.topic) ||
        !texts.take(fields[5], &r.activity) || !number(fields[6], &r.score, 0, 1000) ||
        !number(fields[7], &r.outOf, 0, 1000) || r.pupil.isEmpty())
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

// A text known by where its characters are: equal for the shared copies of one text, as the
// reader makes them (Texts), and never for two different texts alive at once.
using Place = QPair<quintptr, qsizetype>;
Place place(const QString &text)
{
    return {quintptr(text.constData()), text.size()};
}

// A text as a CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line
// end.
QByteArray csvField(const QString &text)
{
    QByteArray out;
    QByteArray utf8 = text.toUtf8();
    bool quote = false;
    for (const char c : utf8)
        quote = quote || c == ',' || c == '"' || c == '\n' || c == '\r';
    if (!quote)
        return utf8;
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

// A text as its CSV field, made once for each text met (fields: by place).
const QByteArray &fieldOf(const QString &text, QHash<Place, QByteArray> &fields)
{
    auto found = fields.constFind(place(text));
    if (found == fields.cend())
        found = fields.insert(place(text), csvField(text));
    return found.value();
}

// Writes a record's CSV line straight into the space made for it: one call per record, not one
// per character (the toolkit's appending costs more than the rest of a line).
class LineWriter
{
public:
    explicit LineWriter(char *at) : m_at(at) {}
    char *end() const { return m_at; }

    void put(char c) { *m_at++ = c; }
    void put(const QByteArray &bytes)
    {
        std::memcpy(m_at, bytes.constData(), size_t(bytes.size()));
        m_at += bytes.size();
    }
    void digits(int value, int width)
    {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            m_at[i] = char('0' + value % 10);
        m_at += width;
    }
    void number(int n)
    {
        char text[12];
        char *const end = text + sizeof text;
        char *at = end;
        unsigned value = n < 0 ? 0U - unsigned(n) : unsigned(n);
        do {
            *--at = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        if (n < 0)
            *--at = '-';
        std::memcpy(m_at, at, size_t(end - at));
        m_at += end - at;
    }
    // The wall-clock time where the attempt was made, as spreadsheets read it:
    // "yyyy-MM-dd HH:mm:ss". The day's text is made once for a run of times on one day (day: the
    // last day made, as days since the epoch, and its text).
    void time(const QDateTime &time, QPair<qint64, QByteArray> &day)
    {
        constexpr qint64 DayMs = 24 * 3600 * 1000;
        const qint64 local = time.toMSecsSinceEpoch() + qint64(time.offsetFromUtc()) * 1000;
        const qint64 days = local >= 0 ? local / DayMs : (local - DayMs + 1) / DayMs;
        if (day.second.isEmpty() || day.first != days) {
            const QDate d = QDate(1970, 1, 1).addDays(days);
            day.second.resize(11);
            LineWriter text(day.second.data());
            text.digits(d.year(), 4);
            text.put('-');
            text.digits(d.month(), 2);
            text.put('-');
            text.digits(d.day(), 2);
            text.put(' ');
            day.first = days;
        }
        const int seconds = int((local - days * DayMs) / 1000);
        put(day.second);
        digits(seconds / 3600, 2);
        put(':');
        digits(seconds / 60 % 60, 2);
        put(':');
        digits(seconds % 60, 2);
    }

private:
    char *m_at;
};

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

namespace
{

Read readWith(QIODevice *device, Texts &texts)
{
    Read result;
    if (!device || !device->isReadable()) {
        result.error = QCoreApplication::translate("Journal", "The results file cannot be opened.");
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
        if (end >= 0 && parse(text, &record, texts))
            result.records.append(record);
        else if (!text.trimmed().isEmpty())
            ++result.skipped;
        if (end < 0)
            break;
        start = end + 1;
    }
    return result;
}

} // namespace

Read read(QIODevice *device)
{
    Texts texts;
    return readWith(device, texts);
}

Read readFolder(const QString &folder)
{
    Read all;
    QStringList unread;
    Texts texts;
    for (const QFileInfo &info : journalFiles(folder)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            unread << info.fileName();
            continue;
        }
        const Read one = readWith(&file, texts);
        all.records += one.records;
        all.skipped += one.skipped;
    }
    if (!unread.isEmpty())
        all.error =
            QCoreApplication::translate("Journal", "These results files cannot be read: %1.")
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
    return cleanName(QString::fromLocal8Bit(user->pw_gecos).section(QLatin1Char(','), 0, 0));
}

namespace
{

// Appends line (a record's, ended by "\n") to the file at path unless the file holds it already:
// a record written into a file while a deletion replaced it is carried over to the replacement,
// once, by whichever of the two programs sees it first.
bool appendMissing(const QString &path, const QByteArray &line)
{
    const int fd = ::open(native(path).constData(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    QFile file;
    QByteArray bytes;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        bytes = file.readAll();
    file.close();
    bool done = bytes.startsWith(line) || bytes.contains('\n' + line);
    if (!done) {
        const QByteArray ended = bytes.isEmpty() || bytes.endsWith('\n') ? line : '\n' + line;
        done = writeAll(fd, ended) && ::fsync(fd) == 0;
    }
    return ::close(fd) == 0 && done;
}

} // namespace

savefile::Result append(const QString &path, const Record &record)
{
    savefile::Result result;
    const QString folder = QFileInfo(path).absolutePath();
    if (!savefile::makeSharedFolder(folder)) {
        result.error = QCoreApplication::translate("Journal", CannotWrite);
        return result;
    }
    bool made = false;
    int fd = ::open(native(path).constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = savefile::createShared(path, O_WRONLY | O_APPEND | O_NOFOLLOW,
                                    QFileInfo(folder).absolutePath());
        made = fd >= 0;
        if (fd < 0 && errno == EEXIST) // made by this login's other copy just now
            fd = ::open(native(path).constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd < 0) {
        result.error = QCoreApplication::translate("Journal", CannotWrite);
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
    // For the test of a writer killed in the middle of a record (tests/e2e/class_folder.sh): half
    // the record is written and forced to the disk, then the program stops itself to be killed.
    if (qEnvironmentVariableIsSet("QUORVEL_TEST_STOP_MID_RECORD")) {
        const qsizetype half = bytes.size() / 2;
        if (writeAll(fd, bytes.first(half)) && ::fsync(fd) == 0)
            ::raise(SIGSTOP);
        bytes.remove(0, half);
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    struct stat wrote {
    };
    const bool known = ::fstat(fd, &wrote) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        result.error = QCoreApplication::translate("Journal", CannotWrite);
        return result;
    }
    // A teacher deleting a pupil replaces the file; a record that landed in the file replaced
    // goes into its replacement too.
    struct stat now {
    };
    if (known && ::stat(native(path).constData(), &now) == 0 &&
        (now.st_ino != wrote.st_ino || now.st_dev != wrote.st_dev) &&
        !appendMissing(path, line(record))) {
        result.error = CannotWrite;
        return result;
    }
    if (made) {
        const int dir = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0 || (::fsync(dir) != 0 && errno != EINVAL))
            result.confirmed = false;
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
    // Records per spelling (counted by place: the reader shares each text), then per pupil.
    QHash<Place, qsizetype> perPlace;
    QVector<const QString *> spellings;
    for (const Record &r : records) {
        auto found = perPlace.find(place(r.pupil));
        if (found == perPlace.end()) {
            found = perPlace.insert(place(r.pupil), 0);
            spellings.append(&r.pupil);
        }
        ++found.value();
    }
    struct Pupil {
        QString name;
        qsizetype records = 0;
        QHash<QString, qsizetype> perSpelling;
    };
    QHash<QString, Pupil> byName;
    QStringList order; // folded names, as first met
    for (const QString *spelling : spellings) {
        const QString folded = spelling->toCaseFolded();
        auto found = byName.find(folded);
        if (found == byName.end()) {
            found = byName.insert(folded, Pupil());
            order << folded;
        }
        qsizetype &count = found->perSpelling[*spelling];
        count += perPlace.value(place(*spelling));
        // The spelling most records use; of two as common, the first met.
        if (count > found->records) {
            found->records = count;
            found->name = *spelling;
        }
    }
    QStringList names;
    for (const QString &folded : order)
        names << byName.value(folded).name;
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool samePupil(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QVector<Record> filter(const QVector<Record> &records, const QDate &from, const QDate &to,
                       const QString &pupil)
{
    const auto wanted = [&](const Record &r) {
        const QDate day = r.finished.date(); // the day where the attempt was made
        return (!from.isValid() || day >= from) && (!to.isValid() || day <= to) &&
               (pupil.isEmpty() || samePupil(r.pupil, pupil));
    };
    // Most often every record is wanted (Class Results opens on all of them): then they are
    // shared, not copied.
    const auto first = std::find_if_not(records.cbegin(), records.cend(), wanted);
    if (first == records.cend())
        return records;
    QVector<Record> kept(records.cbegin(), first);
    std::copy_if(first + 1, records.cend(), std::back_inserter(kept), wanted);
    return kept;
}

QStringList csvHeader()
{
    return {QStringLiteral("pupil"),  QStringLiteral("started"),  QStringLiteral("finished"),
            QStringLiteral("topic"),  QStringLiteral("activity"), QStringLiteral("score"),
            QStringLiteral("out of"), QStringLiteral("wrong")};
}

bool writeCsv(QIODevice *device, const QVector<Record> &records)
{
    QByteArray out = csvHeader().join(QLatin1Char(',')).toUtf8() + "\r\n";
    constexpr qsizetype Flush = 1024 * 1024;
    out.reserve(Flush + 64 * 1024);
    QHash<Place, QByteArray> fields;
    QPair<qint64, QByteArray> day;
    for (const Record &r : records) {
        const QByteArray &pupil = fieldOf(r.pupil, fields);
        const QByteArray &topic = fieldOf(r.topic, fields);
        const QByteArray &activity = fieldOf(r.activity, fields);
        // The texts, two times of 19 characters, two numbers and the wrong questions' of at most
        // 11 characters each, seven commas and the line end.
        const qsizetype room =
            pupil.size() + topic.size() + activity.size() + 2 * 19 + (2 + r.wrong.size()) * 12 + 9;
        const qsizetype size = out.size();
        out.resize(size + room);
        LineWriter line(out.data() + size);
        line.put(pupil);
        line.put(',');
        line.time(r.started, day);
        line.put(',');
        line.time(r.finished, day);
        line.put(',');
        line.put(topic);
        line.put(',');
        line.put(activity);
        line.put(',');
        line.number(r.score);
        line.put(',');
        line.number(r.outOf);
        line.put(',');
        for (qsizetype i = 0; i < r.wrong.size(); ++i) {
            if (i > 0)
                line.put(' ');
            line.number(r.wrong[i]);
        }
        line.put('\r');
        line.put('\n');
        out.truncate(line.end() - out.constData());
        if (out.size() > Flush) {
            if (device->write(out) != out.size())
                return false;
            out.truncate(0);
        }
    }
    return device->write(out) == out.size();
}

savefile::Result removePupil(const QString &folder, const QString &pupil, int *removed)
{
    *removed = 0;
    savefile::Result result;
    for (const QFileInfo &info : journalFiles(folder)) {
        for (int attempt = 0;; ++attempt) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                savefile::Result failed;
                failed.error =
                    QCoreApplication::translate("Journal", "The results file %1 cannot be read.")
                        .arg(info.fileName());
                return failed;
            }
            const QByteArray bytes = file.readAll(); // the file stays open to the end
            QByteArray kept;
            int gone = 0;
            Texts texts;
            for (const QByteArray &text : bytes.split('\n')) {
                Record record;
                if (parse(text, &record, texts) && samePupil(record.pupil, pupil))
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
                failed.error = QCoreApplication::translate(
                                   "Journal", "The results file %1 cannot be written. %2")
                                   .arg(info.fileName(), replaced.error);
                return failed;
            }
            if (!replaced.confirmed)
                result.confirmed = false;
            // Records appended to the file replaced after its size was last checked: into the
            // new file (the program that appended them may have seen the file unchanged).
            struct stat replacedFile {
            };
            if (::fstat(file.handle(), &replacedFile) == 0 && replacedFile.st_size > bytes.size() &&
                file.seek(bytes.size())) {
                const QByteArray later = file.readAll();
                for (const QByteArray &text : later.split('\n')) {
                    Record record;
                    if (parse(text, &record, texts) && !samePupil(record.pupil, pupil) &&
                        !appendMissing(info.filePath(), text + '\n'))
                        result.confirmed = false;
                }
            }
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
    QHash<QString, int> row; // by the name with its letter case folded
    for (int i = 0; i < table.pupils.size(); ++i)
        row.insert(table.pupils[i].toCaseFolded(), i);
    // Columns numbered as first met, then put in order; each record's column is found once.
    QHash<QString, QHash<QString, int>> met; // topic -> activity -> number
    QHash<QPair<Place, Place>, int> metAt;   // the same by the texts' places
    QVector<int> columnOf(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        const QPair<Place, Place> at(place(r.topic), place(r.activity));
        auto known = metAt.constFind(at);
        if (known == metAt.cend()) {
            QHash<QString, int> &activities = met[r.topic];
            auto found = activities.constFind(r.activity);
            if (found == activities.cend()) {
                found = activities.insert(r.activity, int(table.columns.size()));
                table.columns.append({r.topic, r.activity});
            }
            known = metAt.insert(at, found.value());
        }
        columnOf[i] = known.value();
    }
    QVector<int> order(table.columns.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const QPair<QString, QString> &x = table.columns[a];
        const QPair<QString, QString> &y = table.columns[b];
        const int c = x.first.compare(y.first, Qt::CaseInsensitive);
        if (c != 0)
            return c < 0;
        return x.first != y.first ? x.first < y.first : x.second < y.second;
    });
    QVector<int> columnAt(order.size());
    QVector<QPair<QString, QString>> sorted;
    for (int i = 0; i < order.size(); ++i) {
        columnAt[order[i]] = i;
        sorted.append(table.columns[order[i]]);
    }
    table.columns = sorted;

    const qsizetype width = table.columns.size();
    QVector<Cell> cells(table.pupils.size() * width);
    QHash<Place, int> rowAt;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        auto known = rowAt.constFind(place(r.pupil));
        if (known == rowAt.cend())
            known = rowAt.insert(place(r.pupil), row.value(r.pupil.toCaseFolded()));
        Cell &cell = cells[known.value() * width + columnAt[columnOf[i]]];
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
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells[i].tries > 0)
            table.cells.insert({int(i / width), int(i % width)}, cells[i]);
    }
    return table;
}

} // namespace journal
