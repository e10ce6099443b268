// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The class folder: one folder that holds a class's worksheets, their catalogue and the pupils'
// results (results/), shared by every login and computer of the class (a network share).
namespace classfolder
{

// The environment variable that names it, after the option and before the settings file.
constexpr const char *Variable = "QUORVEL_CLASS_FOLDER";
// The settings file's key.
extern const QString SettingsKey;

struct Choice {
    // The folder the worksheets live in: the one named, or else worksheetFolderFor's (empty for
    // the run folder's own "multiple").
    QString folder;
    // Set when a folder was named but cannot be used: what was named, by what, why not, and that
    // the login's own folder is used instead, in one plain paragraph to say once at start.
    QString problem;
    bool named = false; // a class folder named and usable
};

// The class folder named, first found wins, by the option (--class-folder DIR; empty when not
// given), the environment variable, then the settings file's ClassFolder (the user's, then the
// system's). A folder that does not exist or cannot be read gives a problem and the per-user
// folder (RunFolderPaths::worksheetFolderFor(runFolder)); so does nothing named, without a
// problem. A folder that can be read but not written is used: pupils read from it, and saving
// says why it fails.
Choice choose(const QString &option, const QString &runFolder);

} // namespace classfolder
