// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Content files are named as "Images\lightning2sm.jpg", "images\lightni0.jpg" or
// "multiple/Sound.txt": the same folders in different letter case and with either separator.
// This is the one place where such a name is turned into a path on disk.
namespace contentpath
{

// Splits a relative name at '\' and '/', dropping empty parts. "." and ".." parts are refused
// (an empty list), so a name can never leave the root folder.
QStringList parts(const QString &relativeName);

// Resolves relativeName under root. Each part is matched exactly if it exists, otherwise without
// regard to case (the first match in name order wins). Parts that do not exist are appended as
// written, so the result is also the path at which a new file of that name is created.
// Returns an empty string for a name that parts() refuses.
QString resolve(const QString &root, const QString &relativeName);

} // namespace contentpath
