#pragma once

#include "module1.h"

class QIODevice;

namespace catalogue
{

enum class ReadStatus {
    Complete,  // the count and every name it announced were read
    NoCount,   // the file is empty or its first field is not a number: nothing changed
    Short,     // fewer names than the count says; the names read so far were kept
    OverLimit, // the count is above the capacity; the first names up to the capacity were kept
};

// Reads the catalogue file "multiple\track.txt" (a count, then one name a line) into
// state.WorksheetCount and state.WorksheetNames. A read that fails part way keeps what it read
// and sets WorksheetCount to the number of names actually held, so the count never claims names
// that are not there.
ReadStatus read(QIODevice *device, Module1 &state);

} // namespace catalogue
