// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
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
    const mode_t shared = groupShare(folder.path());
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
            struct stat made {
            };
            const mode_t mode = replacing                 ? old.st_mode & 07777
                                : ::fstat(fd, &made) == 0 ? made.st_mode & 07777
                                                          : 0;
            // Set even when the mode looks right: a file server may have applied its own umask
            // to what a network file system reports as asked.
            if (replacing || shared)
                ::fchmod(fd, mode | shared);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Renames from to to; with Existing::Keep only while nothing stands at to, so that a file another
// program made a moment ago is never replaced.
bool putInPlace(const QByteArray &from, const QByteArray &to, Existing existing)
{
    if (existing == Existing::Replace)
        return ::rename(from.constData(), to.constData()) == 0;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system that cannot rename that way refuses a hard link over a file just as well.
    if ((errno != EINVAL && errno != ENOSYS) || ::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

// Puts the written temporary file in place of path: synced, renamed, the folder synced (unless
// the caller syncs it later, for several files at once).
Result commit(const QString &temporary, const QString &path, Folder folder = Folder::Sync,
              Existing existing = Existing::Replace)
{
    Result result;
    const int fd = ::open(native(temporary).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced || !putInPlace(native(temporary), native(path), existing)) {
        ::unlink(native(temporary).constData());
        result.error =
            QCoreApplication::translate("Saving", "The disk may be full or the folder read-only.");
        return result;
    }
    result.confirmed = folder == Folder::Later || syncFolder(QFileInfo(path).absolutePath());
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

mode_t groupShare(const QString &folder)
{
    struct stat st {
    };
    if (::stat(native(folder).constData(), &st) != 0 || !(st.st_mode & S_IWGRP))
        return 0;
    return S_IRGRP | S_IWGRP;
}

int createShared(const QString &path, int flags, const QString &alsoLike)
{
    const int fd = ::open(native(path).constData(), flags | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return fd;
    const mode_t shared = groupShare(QFileInfo(path).absolutePath()) |
                          (alsoLike.isEmpty() ? 0 : groupShare(alsoLike));
    struct stat made {
    };
    if (shared && ::fstat(fd, &made) == 0)
        ::fchmod(fd, (made.st_mode & 07777) | shared);
    return fd;
}

bool makeSharedFolder(const QString &path)
{
    const QByteArray name = native(path);
    if (::mkdir(name.constData(), 0777) != 0)
        return errno == EEXIST && QFileInfo(path).isDir();
    mode_t shared = groupShare(QFileInfo(path).absolutePath());
    struct stat made {
    };
    if (shared && ::stat(name.constData(), &made) == 0)
        ::chmod(name.constData(), (made.st_mode & 07777) | shared | S_IXGRP);
    return true;
}

void shareWithGroup(const QString &path)
{
    const mode_t shared = groupShare(QFileInfo(path).absolutePath());
    struct stat st {
    };
    const QByteArray name = native(path);
    if (shared && ::lstat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == ::geteuid() && (st.st_mode & shared) != shared)
        ::chmod(name.constData(), (st.st_mode & 07777) | shared);
}

core::Result checkWritable(const QString &path)
{
    if (path.isEmpty())
        return {QCoreApplication::translate("Saving", "No file was named.")};
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir())
        return {QCoreApplication::translate("Saving", "The folder %1 does not exist.")
                    .arg(QDir::toNativeSeparators(info.absolutePath()))};
    struct stat st {
    };
    if (::lstat(native(path).constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return {QCoreApplication::translate("Saving", "%1 is not a plain file.")
                    .arg(QDir::toNativeSeparators(path))};
    return {};
}

bool syncFolderOf(const QString &path)
{
    return syncFolder(QFileInfo(path).absolutePath());
}

namespace
{

// Makes the temporary file beside path and hands its descriptor to fill, which writes it, closes
// the descriptor and says whether it wrote the file in full; only then is it put in place.
Result replaceThrough(const QString &path,
                      const std::function<bool(int fd, const QString &temporary)> &fill,
                      Folder folder = Folder::Sync, Existing existing = Existing::Replace)
{
    const core::Result writable = checkWritable(path);
    if (!writable)
        return failed(QString(), writable.error);
    QString temporary;
    const int fd = createTemporary(path, &temporary);
    if (fd < 0)
        return failed(QString(), DiskFull());
    if (!fill(fd, temporary))
        return failed(temporary, DiskFull());
    return commit(temporary, path, folder, existing);
}

} // namespace

Result replace(const QString &path, const std::function<bool(QIODevice *)> &write, Folder folder,
               Existing existing)
{
    return replaceThrough(
        path,
        [&](int fd, const QString &) {
            QFile file;
            // Unbuffered, so that the write meeting a full or failing disk is the one that fails.
            if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                           QFileDevice::AutoCloseHandle)) {
                ::close(fd);
                return false;
            }
            return write(&file) && file.error() == QFileDevice::NoError;
        },
        folder, existing);
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
