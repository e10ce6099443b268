// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QSettings>

namespace settings
{

namespace
{

// The user's file, falling back to the system's for keys it does not have. The native format is
// the INI format here, in files named ".conf" (IniFormat would name them ".ini").
QSettings file()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                     QStringLiteral("quorvel"));
}

} // namespace

QVariant value(const QString &key, const QVariant &fallback)
{
    return file().value(key, fallback);
}

bool flag(const QString &key, bool fallback)
{
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback;
    const QString text = v.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1") ||
           text == QLatin1String("yes") || text == QLatin1String("on");
}

bool setValue(const QString &key, const QVariant &value)
{
    QSettings settings = file();
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace settings
