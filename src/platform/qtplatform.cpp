// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtplatform.h"

#include "contentpath.h"
#include "savefile.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

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
    if (!QFileInfo(m_userWorksheets).isDir())
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

QString QtMessageBoxes::whoIsPlaying(QWidget *parent, const QStringList &offered)
{
    QDialog dialog(parent ? parent : QApplication::activeWindow());
    dialog.setWindowTitle(QCoreApplication::translate("WhoIsPlaying", "Who is playing?"));
    QFont large = dialog.font(); // for young readers, larger than the other message boxes
    large.setPointSizeF(large.pointSizeF() * 1.5);
    dialog.setFont(large);
    auto *layout = new QVBoxLayout(&dialog);
    auto *question =
        new QLabel(QCoreApplication::translate("WhoIsPlaying",
                                               "Who is playing? Type your first name, or pick it "
                                               "from the list, so that your teacher sees your "
                                               "results."),
                   &dialog);
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto *name = new QComboBox(&dialog);
    name->setEditable(true);
    name->setInsertPolicy(QComboBox::NoInsert);
    name->addItems(offered);
    name->setCurrentIndex(-1);
    name->lineEdit()->setMaxLength(30);
    name->lineEdit()->setPlaceholderText(
        QCoreApplication::translate("WhoIsPlaying", "Your first name"));
    name->setAccessibleName(QCoreApplication::translate("WhoIsPlaying", "Your first name"));
    name->lineEdit()->setAccessibleName(
        QCoreApplication::translate("WhoIsPlaying", "Your first name"));
    question->setBuddy(name);
    layout->addWidget(name);
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *play = buttons->addButton(QCoreApplication::translate("WhoIsPlaying", "Play"),
                                           QDialogButtonBox::AcceptRole);
    QPushButton *skip = buttons->addButton(QCoreApplication::translate("WhoIsPlaying", "Skip"),
                                           QDialogButtonBox::RejectRole);
    play->setAccessibleDescription(QCoreApplication::translate(
        "WhoIsPlaying", "Plays under the name typed; results are kept."));
    skip->setAccessibleDescription(
        QCoreApplication::translate("WhoIsPlaying", "Plays as a guest; results are not kept."));
    play->setDefault(true);
    play->setEnabled(false);
    layout->addWidget(buttons);
    QObject::connect(name, &QComboBox::currentTextChanged, play,
                     [play](const QString &text) { play->setEnabled(!text.trimmed().isEmpty()); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.setMinimumWidth(360);
    name->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return name->currentText();
}

QString QtMessageBoxes::openFile(QWidget *parent, const QString &caption, const QString &filter)
{
    const FocusReturn focusReturn;
    return QFileDialog::getOpenFileName(parent, caption, documentsFolder(), filter);
}
