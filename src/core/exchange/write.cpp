// SPDX-License-Identifier: GPL-3.0-or-later
// Writing, apart from the readers: the GIFT reader reads HTML with the toolkit's graphical side,
// and exporting from the command line needs only its core.
#include "exchange/aikenwriter.h"
#include "exchange/exchange.h"
#include "exchange/giftwriter.h"

namespace exchange
{

WriteResult write(QIODevice *device, Format format, const questionfile::Worksheet &sheet)
{
    return format == Format::Gift ? writeGift(device, sheet) : writeAiken(device, sheet);
}

} // namespace exchange
