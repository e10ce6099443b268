// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform.h"

#include <QStringList>

// The real machine: content beside the executable, Qt message boxes. Its sound player and printer
// are in qtsound.h and qtprinter.h.

class RunFolderPaths : public ContentPaths
{
public:
    // root: the folder holding Images, wav, multiple … (normally the executable's folder).
    // userWorksheets: where the worksheets live instead of root's "multiple" folder: the class
    // folder (classfolder.h), or the login's own folder for an installation whose own folder
    // cannot be written. It is seeded from root's "multiple" with every file it does not have
    // yet, so a teacher's worksheets and catalogue are never overwritten; a file it lacks and
    // cannot be given (a read-only class folder) is read from root's "multiple".
    explicit RunFolderPaths(const QString &root, const QString &userWorksheets = QString());
    QString path(const QString &contentName) const override;
    QString root() const { return m_root; }

    // The language whose content is read first ("es", "pt_BR"; empty or "en" for English): a file
    // in root's folder of that language (or of its first two letters, "pt" for "pt_BR") is read in
    // place of the English one of the same name, file by file. Files that do not exist there,
    // and every file written, stay in the English folders.
    void setLanguage(const QString &code);

    // The folder for the worksheets of this installation: root's "multiple" when it can be
    // written and root holds no "read-only" mark, otherwise "multiple" under the user's
    // application data folder.
    static QString worksheetFolderFor(const QString &root);

private:
    QString m_root;
    QString m_userWorksheets;
    QStringList m_languageFolders; // most specific first
};

class QtMessageBoxes : public MessageBoxes
{
public:
    void ok(QWidget *parent, const QString &text) override;
    bool okCancel(QWidget *parent, const QString &text) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &suggested,
                     const QString &filter) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &filter) override;
    // A small dialog: the question, an editable list of the names offered (its entry named "Your
    // first name" for screen readers), "Play" (Enter; only with a name) and "Skip" (Escape).
    QString whoIsPlaying(QWidget *parent, const QStringList &offered) override;
};
