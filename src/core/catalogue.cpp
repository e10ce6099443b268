#include "catalogue.h"

#include "fieldreader.h"

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

} // namespace catalogue
