// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils.h"

#include "appcontext.h"
#include "contentnames.h"

#include <QCoreApplication>
#include <QDir>

namespace pupils
{

QStringList offered(const AppContext &ctx)
{
    QStringList names = journal::pupils(
        journal::readFolder(ctx.platform.paths.path(contentnames::ResultsFolder)).records);
    const QString login = journal::loginFullName();
    if (!login.isEmpty() && !names.contains(login))
        names.append(login);
    return names;
}

void askOnce(AppContext &ctx, QWidget *parent)
{
    if (ctx.player.asked)
        return;
    ctx.player.asked = true;
    ctx.player.name = journal::cleanName(ctx.platform.boxes.whoIsPlaying(parent, offered(ctx)));
}

QString keep(AppContext &ctx, journal::Record record)
{
    if (ctx.player.name.isEmpty())
        return QString();
    record.pupil = ctx.player.name;
    const QString folder = ctx.platform.paths.path(contentnames::ResultsFolder);
    if (folder.isEmpty())
        return QCoreApplication::translate("Pupils", "There is no results folder.");
    const savefile::Result kept =
        journal::append(QDir(folder).filePath(journal::ownFileName()), record);
    return kept ? QString() : kept.error;
}

} // namespace pupils
