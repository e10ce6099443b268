// SPDX-License-Identifier: GPL-3.0-or-later
#include "savefile.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace savefile
{

namespace
{

bool syncFile(int fd)
{
#ifdef Q_OS_UNIX
    return fd >= 0 && ::fsync(fd) == 0;
#else
    Q_UNUSED(fd);
    return true;
#endif
}

// A folder's entries reach the disk only when the folder itself is synced. A file system that
// cannot sync a folder (EINVAL) has nothing more to give.
bool syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

} // namespace

bool replace(const QString &path, const std::function<bool(QIODevice *)> &write)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    // Buffered, a write that fails only when the buffer is flushed inside commit() does not stop
    // the rename: the old file would be replaced by a short one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!write(&file) || !file.flush() || file.error() != QFileDevice::NoError ||
        !syncFile(file.handle())) {
        file.cancelWriting(); // the temporary file is removed when file goes
        return false;
    }
    return file.commit() && syncFolder(QFileInfo(path).absolutePath());
}

} // namespace savefile
