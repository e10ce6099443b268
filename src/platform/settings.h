// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

// The settings file: the keys of section [General] in Quorvel/quorvel.conf, in the user's
// configuration folder (~/.config, or $XDG_CONFIG_HOME) first, then in the system's (/etc/xdg, or
// $XDG_CONFIG_DIRS), where a technician sets the defaults of every login. The keys are
// ClassFolder, ReadAloud, FullScreen, HighContrast and Language. A command-line option or an
// environment variable, where a feature has one, comes before the file.
namespace settings
{

// A key's value from the user's file, else the system's; fallback when neither has it.
QVariant value(const QString &key, const QVariant &fallback = {});

// A yes-or-no key ("true", "1", "yes" or "on" in any letter case are yes).
bool flag(const QString &key, bool fallback = false);

// Writes a key into the user's file (the system's is the technician's); false when it cannot be
// written.
bool setValue(const QString &key, const QVariant &value);

} // namespace settings
