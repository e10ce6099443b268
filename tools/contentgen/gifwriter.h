// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Writes a picture as a GIF file (256 colours, median-cut palette). Qt reads GIF but cannot
// write it, so this goes through giflib.
bool writeGif(const QImage &image, const QString &fileName, QString *error);
