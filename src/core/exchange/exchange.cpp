// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/exchange.h"

#include "exchange/aikenreader.h"
#include "exchange/common.h"
#include "exchange/giftreader.h"
#include "exchange/textlines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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
    else if (!file.open(QIODevice::ReadOnly))
        result.error = QCoreApplication::translate("Import", "The file cannot be opened.");
    else
        result = read(&file, sniff(file.peek(MaxFileSize), fileName));
    return result;
}

} // namespace exchange
