// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/exchange.h"

#include "exchange/aikenreader.h"
#include "exchange/common.h"
#include "exchange/giftreader.h"
#include "exchange/textlines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exchange
{

ReadResult read(QIODevice *device, Format format)
{
    const TextLines text = readLines(device);
    ReadResult result;
    if (text.ok())
        result = format == Format::Gift ? readGift(text.lines) : readAiken(text.lines);
    result.error = text.error;
    result.encoding = text.encoding;
    return result;
}

namespace
{

// Opens without waiting (a pipe put in the file's place since it was looked at would block the
// open) and checks again, on what was opened, that it is a plain file.
bool openPlainFile(QFile &file)
{
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace

ReadResult readFile(const QString &fileName)
{
    ReadResult result;
    const QFileInfo info(fileName);
    QFile file(fileName);
    if (!info.exists())
        result.error =
            QCoreApplication::translate("Import", "There is no file %1.").arg(shortQuote(fileName));
    else if (!info.isFile())
        result.error = QCoreApplication::translate("Import", "%1 is not a plain file.")
                           .arg(shortQuote(fileName));
    else if (!openPlainFile(file))
        result.error = QCoreApplication::translate("Import", "The file cannot be opened.");
    else
        result = read(&file, sniff(file.peek(MaxFileSize), fileName));
    return result;
}

} // namespace exchange
