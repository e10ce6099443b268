// SPDX-License-Identifier: GPL-3.0-or-later
// The content folders of the real machine. Apart from the message boxes (qtplatform.cpp), so that
// the command line, which needs only the toolkit's core, links none of its windowing side.
#include "contentpath.h"
#include "qtplatform.h"
#include "savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

const QString Worksheets = QStringLiteral("multiple");

// Written into the run folder by installation: the folder belongs to the package manager and is
// never written, not even by a user (root) who could.
const QString ReadOnlyMark = QStringLiteral("read-only");

} // namespace

RunFolderPaths::RunFolderPaths(const QString &root, const QString &userWorksheets)
    : m_root(root), m_userWorksheets(userWorksheets)
{
    if (m_userWorksheets.isEmpty())
        return;
    if (!QFileInfo(m_userWorksheets).isDir())
        QDir().mkpath(m_userWorksheets);
    const QDir installed(contentpath::resolve(m_root, Worksheets));
    for (const QString &name : installed.entryList(QDir::Files)) {
        const QString target = QDir(m_userWorksheets).filePath(name);
        // Copied as new files, not with the installation's modes: a folder shared by a group
        // keeps its files writable by the group. Never over a file that appeared since it was
        // looked for: a catalogue another copy of the program has just written stays.
        QFile source(installed.filePath(name));
        if (!QFileInfo::exists(target) && source.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = source.readAll();
            savefile::replace(
                target, [&](QIODevice *device) { return device->write(bytes) == bytes.size(); },
                savefile::Folder::Sync, savefile::Existing::Keep);
        }
    }
}

void RunFolderPaths::setLanguage(const QString &code)
{
    m_languageFolders.clear();
    const QString base = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    if (code.isEmpty() || base == QLatin1String("en"))
        return;
    if (code != base)
        m_languageFolders << QString(code).replace(QLatin1Char('-'), QLatin1Char('_'));
    m_languageFolders << base;
}

QString RunFolderPaths::path(const QString &contentName) const
{
    for (const QString &folder : m_languageFolders) {
        QString translated =
            contentpath::resolve(contentpath::resolve(m_root, folder), contentName);
        if (!translated.isEmpty() && QFileInfo(translated).isFile())
            return translated;
    }
    const QStringList parts = contentpath::parts(contentName);
    if (!m_userWorksheets.isEmpty() && parts.size() > 1 &&
        parts.first().compare(Worksheets, Qt::CaseInsensitive) == 0) {
        // Without a folder of its own (a home folder that cannot be written), the user still
        // reads the program's own files; nothing can be saved.
        const QFileInfo folder(m_userWorksheets);
        if (!folder.isDir())
            return contentpath::resolve(m_root, contentName);
        QString own = contentpath::resolve(m_userWorksheets, parts.mid(1).join(QLatin1Char('/')));
        // A class folder kept read-only that lacks one of the program's own quizzes (never
        // seeded) still has it read from the installation.
        if (!own.isEmpty() && !QFileInfo::exists(own) && !folder.isWritable()) {
            QString installed = contentpath::resolve(m_root, contentName);
            if (QFileInfo::exists(installed))
                return installed;
        }
        return own;
    }
    return contentpath::resolve(m_root, contentName);
}

QString RunFolderPaths::worksheetFolderFor(const QString &root)
{
    const QFileInfo installed(contentpath::resolve(root, Worksheets));
    if (installed.isDir() && installed.isWritable() &&
        !QFileInfo::exists(QDir(root).filePath(ReadOnlyMark)))
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') +
           Worksheets;
}
