// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace savefile
{

// Replaces the file at path, all or nothing, with what write puts into the device it is handed
// (write returns false when a write of its own came up short). The new contents go to a
// temporary file beside the old one, unbuffered so that the write meeting a full or failing disk
// is the one that fails, and are forced to the disk; only then is the temporary file renamed over
// the old one and the folder synced, so a replacement reported as done survives a power cut.
// False when any step failed: the old file (or its absence) is then as it was and no temporary
// file is left behind.
bool replace(const QString &path, const std::function<bool(QIODevice *)> &write);

} // namespace savefile
