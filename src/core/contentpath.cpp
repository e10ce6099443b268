// SPDX-License-Identifier: GPL-3.0-or-later
#include "contentpath.h"

#include <QDir>
#include <QFileInfo>

namespace contentpath
{

QStringList parts(const QString &relativeName)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList split = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : split) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return {};
    }
    return split;
}

QString resolve(const QString &root, const QString &relativeName)
{
    const QStringList names = parts(relativeName);
    if (names.isEmpty())
        return {};
    QString path = root;
    bool existing = true;
    for (const QString &part : names) {
        QString next = path + QLatin1Char('/') + part;
        if (existing && !QFileInfo::exists(next)) {
            QDir dir(path);
            QStringList entries = dir.entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            const auto match =
                std::find_if(entries.cbegin(), entries.cend(), [&](const QString &e) {
                    return e.compare(part, Qt::CaseInsensitive) == 0;
                });
            if (match != entries.cend())
                next = path + QLatin1Char('/') + *match;
            else
                existing = false;
        }
        path = next;
    }
    return path;
}

} // namespace contentpath
