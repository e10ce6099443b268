// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

// The screens are designed for Tahoma, Times New Roman and Arial. These are made to resolve to
// metric-compatible faces installed on the machine.
namespace fonts
{

// Loads the machine's font configuration, as the font database would when first asked, but
// without the part only fontconfig's own tools need. Call it before the first text is measured
// or drawn; later calls do nothing. Returns whether the configuration loaded here is in use.
bool loadConfiguration();

// Registers the faces; returns the families that could not be made available.
QStringList registerDesignFaces();

// A design font at a size in points (as designed: 20 twips a point). The faces are registered as
// the first font of their family is made.
QFont design(const QString &family, double points, bool bold = false);

inline QFont tahoma(double points, bool bold = false)
{
    return design(QStringLiteral("Tahoma"), points, bold);
}
inline QFont times(double points, bool bold = false)
{
    return design(QStringLiteral("Times New Roman"), points, bold);
}
inline QFont arial(double points, bool bold = false)
{
    return design(QStringLiteral("Arial"), points, bold);
}

} // namespace fonts
