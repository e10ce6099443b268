// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes a built content file, creating its folder. A file that already holds exactly these
// bytes is left alone, so unchanged content keeps its time stamp.
bool writeIfChanged(const QString &path, const QByteArray &bytes);
