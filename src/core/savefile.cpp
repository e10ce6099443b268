// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace savefile
{

namespace
{

const QString TemporaryPrefix = QStringLiteral(".quorvel-save-");

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// A folder's entries reach the disk only when the folder itself is synced. A file system that
// cannot sync a folder (EINVAL) has nothing more to give.
bool syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

// Creates a new, empty temporary file beside path, with the permissions of the file at path when
// there is one; its descriptor, or -1.
int createTemporary(const QString &path, QString *temporary)
{
    struct stat old {
    };
    const bool replacing = ::lstat(native(path).constData(), &old) == 0 && S_ISREG(old.st_mode);
    const QDir folder = QFileInfo(path).absoluteDir();
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = TemporaryPrefix;
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        *temporary = folder.filePath(name);
        // 0666 less the umask, and the folder's group where the folder asks for it (setgid).
        const int fd = ::open(native(*temporary).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (replacing)
                ::fchmod(fd, old.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Puts the written temporary file in place of path: synced, renamed, the folder synced.
Result commit(const QString &temporary, const QString &path)
{
    Result result;
    const int fd = ::open(native(temporary).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced || ::rename(native(temporary).constData(), native(path).constData()) != 0) {
        ::unlink(native(temporary).constData());
        result.error =
            QCoreApplication::translate("Saving", "The disk may be full or the folder read-only.");
        return result;
    }
    result.status =
        syncFolder(QFileInfo(path).absolutePath()) ? Result::Saved : Result::Unconfirmed;
    return result;
}

Result failed(const QString &temporary, const QString &why)
{
    if (!temporary.isEmpty())
        ::unlink(native(temporary).constData());
    Result result;
    result.error = why;
    return result;
}

QString DiskFull()
{
    return QCoreApplication::translate("Saving", "The disk may be full or the folder read-only.");
}

} // namespace

QString unwritableReason(const QString &path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("Saving", "No file was named.");
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir())
        return QCoreApplication::translate("Saving", "The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    struct stat st {
    };
    if (::lstat(native(path).constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return QCoreApplication::translate("Saving", "%1 is not a plain file.")
            .arg(QDir::toNativeSeparators(path));
    return QString();
}

namespace
{

// Makes the temporary file beside path and hands its descriptor to fill, which writes it, closes
// the descriptor and says whether it wrote the file in full; only then is it put in place.
Result replaceThrough(const QString &path,
                      const std::function<bool(int fd, const QString &temporary)> &fill)
{
    const QString why = unwritableReason(path);
    if (!why.isEmpty())
        return failed(QString(), why);
    QString temporary;
    const int fd = createTemporary(path, &temporary);
    if (fd < 0)
        return failed(QString(), DiskFull());
    if (!fill(fd, temporary))
        return failed(temporary, DiskFull());
    return commit(temporary, path);
}

} // namespace

Result replace(const QString &path, const std::function<bool(QIODevice *)> &write)
{
    return replaceThrough(path, [&](int fd, const QString &) {
        QFile file;
        // Unbuffered, so that the write meeting a full or failing disk is the one that fails.
        if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return false;
        }
        return write(&file) && file.error() == QFileDevice::NoError;
    });
}

Result replaceByName(const QString &path, const std::function<bool(const QString &)> &writeFile,
                     const std::function<bool(const QString &)> &check)
{
    return replaceThrough(path, [&](int fd, const QString &temporary) {
        ::close(fd);
        return writeFile(temporary) && (!check || check(temporary));
    });
}

bool isTemporaryName(const QString &fileName)
{
    static const QRegularExpression name(QStringLiteral("^\\.quorvel-save-[A-Za-z0-9]{6}$"));
    return name.match(fileName).hasMatch();
}

} // namespace savefile
