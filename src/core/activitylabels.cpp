// SPDX-License-Identifier: GPL-3.0-or-later
#include "activitylabels.h"

#include <QFile>

namespace
{

QString unescaped(QString text)
{
    return text.replace(QLatin1String("\\n"), QLatin1String("\n")).trimmed();
}

} // namespace

ActivityLabels::ActivityLabels(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const qsizetype bar = line.indexOf(QLatin1String(" | "));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) || bar < 0)
            continue;
        m_words.insert(unescaped(line.left(bar)), unescaped(line.mid(bar + 3)));
    }
}

QString ActivityLabels::operator()(const QString &english) const
{
    return m_words.value(english, english);
}
