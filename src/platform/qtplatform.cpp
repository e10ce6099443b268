// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtplatform.h"

#include "contentpath.h"
#include "savefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

namespace
{

const QString Worksheets = QStringLiteral("multiple");

// Gives the keyboard focus back to the control that had it when a message box or dialog opened,
// once it closes: its window is activated again (without a window manager nothing else would
// give the focus back, and it stays on the root window).
class FocusReturn
{
public:
    FocusReturn() : m_control(QApplication::focusWidget()) {}
    ~FocusReturn()
    {
        if (!m_control || !m_control->isVisible())
            return;
        m_control->window()->activateWindow();
        m_control->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

private:
    QPointer<QWidget> m_control;
};
// Written into the run folder by installation: the folder belongs to the package manager and is
// never written, not even by a user (root) who could.
const QString ReadOnlyMark = QStringLiteral("read-only");

} // namespace

RunFolderPaths::RunFolderPaths(const QString &root, const QString &userWorksheets)
    : m_root(root), m_userWorksheets(userWorksheets)
{
    if (m_userWorksheets.isEmpty())
        return;
    QDir().mkpath(m_userWorksheets);
    const QDir installed(contentpath::resolve(m_root, Worksheets));
    for (const QString &name : installed.entryList(QDir::Files)) {
        const QString target = QDir(m_userWorksheets).filePath(name);
        // Copied as new files, not with the installation's modes: a folder shared by a group
        // keeps its files writable by the group.
        QFile source(installed.filePath(name));
        if (!QFileInfo::exists(target) && source.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = source.readAll();
            savefile::replace(
                target, [&](QIODevice *device) { return device->write(bytes) == bytes.size(); });
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
        const QString translated =
            contentpath::resolve(contentpath::resolve(m_root, folder), contentName);
        if (!translated.isEmpty() && QFileInfo(translated).isFile())
            return translated;
    }
    const QStringList parts = contentpath::parts(contentName);
    if (!m_userWorksheets.isEmpty() && parts.size() > 1 &&
        parts.first().compare(Worksheets, Qt::CaseInsensitive) == 0) {
        // Without a folder of its own (a home folder that cannot be written), the user still
        // reads the program's own files; nothing can be saved.
        if (!QFileInfo(m_userWorksheets).isDir())
            return contentpath::resolve(m_root, contentName);
        return contentpath::resolve(m_userWorksheets, parts.mid(1).join(QLatin1Char('/')));
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

void QtMessageBoxes::ok(QWidget *parent, const QString &text)
{
    const FocusReturn focusReturn;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorvel"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // titles typed by teachers are never markup
    box.exec();
}

bool QtMessageBoxes::okCancel(QWidget *parent, const QString &text)
{
    const FocusReturn focusReturn;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quorvel"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

QString QtMessageBoxes::saveFile(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter)
{
    const FocusReturn focusReturn;
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString QtMessageBoxes::openFile(QWidget *parent, const QString &caption, const QString &filter)
{
    const FocusReturn focusReturn;
    return QFileDialog::getOpenFileName(parent, caption, documentsFolder(), filter);
}
