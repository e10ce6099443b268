// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfolder.h"

#include "qtplatform.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace classfolder
{

const QString SettingsKey = QStringLiteral("ClassFolder");

Choice choose(const QString &option, const QString &runFolder)
{
    QString named = option;
    QString by = QCoreApplication::translate("ClassFolder", "the option --class-folder");
    if (named.isEmpty()) {
        named = qEnvironmentVariable(Variable);
        by = QCoreApplication::translate("ClassFolder", "the variable %1")
                 .arg(QLatin1String(Variable));
    }
    if (named.isEmpty()) {
        named = settings::value(SettingsKey).toString();
        by = QCoreApplication::translate("ClassFolder", "ClassFolder in the settings file");
    }
    Choice choice;
    if (named.startsWith(QLatin1String("~/")))
        named = QDir::homePath() + named.mid(1);
    if (!named.isEmpty()) {
        const QFileInfo info(named);
        QString why;
        if (!info.exists())
            why = QCoreApplication::translate("ClassFolder", "it does not exist");
        else if (!info.isDir())
            why = QCoreApplication::translate("ClassFolder", "it is not a folder");
        else if (!info.isReadable() || !info.isExecutable())
            why = QCoreApplication::translate("ClassFolder", "this login may not read it");
        if (why.isEmpty()) {
            choice.folder = info.absoluteFilePath();
            choice.named = true;
            return choice;
        }
        choice.problem =
            QCoreApplication::translate("ClassFolder",
                                        "The class folder %1, named by %2, cannot be used: %3. "
                                        "Quorvel uses this login's own worksheet folder instead.")
                .arg(QDir::toNativeSeparators(named), by, why);
    }
    choice.folder = RunFolderPaths::worksheetFolderFor(runFolder);
    return choice;
}

} // namespace classfolder
