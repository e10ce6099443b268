// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "result.h"

#include <QString>

#include <functional>

#include <sys/types.h>

class QIODevice;

namespace savefile
{

// How a replacement ended. A failed one changed nothing: the old file (or its absence) is as it
// was.
struct Result : core::Result {
    // Whether the disk confirmed the folder's change of a replacement that did not fail. When it
    // did not, the new file is in place, but a power cut now might still bring the old file back.
    bool confirmed = true;
};

// Replaces the file at path, all or nothing, with what write puts into the device it is handed
// (write returns false when a write of its own came up short). The new contents go to a
// temporary file beside the old one (see isTemporaryName), unbuffered so that the write meeting a
// full or failing disk is the one that fails, and are forced to the disk; only then is the
// temporary file renamed over the old one and the folder synced, so a replacement that did not
// fail and is confirmed survives a power cut. A link at path is replaced by the file, never
// followed; anything else that is not a plain file (a device, a pipe, a folder) is refused. The new
// file has the old one's permissions, or for a new file those the umask and the folder give; in a
// folder its group may write (a class folder shared by the staff), the file is also made readable
// and writable by the group whatever the umask, so that every teacher of the group can replace it.
// No temporary file is left behind.
// With Folder::Later the folder is not synced: the caller saving several files syncs it once
// (syncFolderOf) before it counts them as saved. With Existing::Keep the file is only made where
// nothing stands yet: one that another program made meanwhile stays, and the result fails.
enum class Folder { Sync, Later };
enum class Existing { Replace, Keep };
Result replace(const QString &path, const std::function<bool(QIODevice *)> &write,
               Folder folder = Folder::Sync, Existing existing = Existing::Replace);
// Syncs the folder of path; false when the disk did not confirm it.
bool syncFolderOf(const QString &path);

// The same for a writer that makes the file by name (a PDF printer): writeFile is handed the path
// of a new, empty temporary file beside path, writes it and says whether it wrote it in full;
// check (when given) then reads it and says whether it is whole, before anything is replaced.
Result replaceByName(const QString &path, const std::function<bool(const QString &)> &writeFile,
                     const std::function<bool(const QString &)> &check = {});

// Whether a file name is one of the temporary names replace gives ("<dot>quorvel-save-" and six
// letters or digits), which no teacher's own file has; only those may be swept up after a crash.
bool isTemporaryName(const QString &fileName);

// The group permissions (read and write) that a file made in folder gets besides those the umask
// leaves: both when the folder's group may write into it, none otherwise. A folder with the
// set-group-ID bit gives new files its group as well (the file system does that).
mode_t groupShare(const QString &folder);

// Opens a new file at path with these open(2) flags (O_CREAT | O_EXCL are added): mode 0666 less
// the umask, and groupShare of its folder or of the folder alsoLike (the folder above a folder
// that another program may have made a moment ago and not yet given its group permissions). A
// descriptor, or -1 with errno set.
int createShared(const QString &path, int flags, const QString &alsoLike = QString());

// Makes the folder at path (its parent must exist) as createShared makes a file: a group that may
// write the parent may write it too. True when the folder is there afterwards.
bool makeSharedFolder(const QString &path);

// Gives a file this program made (a lock file made by the toolkit) the groupShare of its folder.
void shareWithGroup(const QString &path);

// Fails, in the program's own words, when a path cannot be written as a file: its folder is
// missing, or something other than a plain file or a link stands at it.
core::Result checkWritable(const QString &path);

} // namespace savefile
