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
} // namespace

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
    if (large.pointSizeF() > 0)  // full screen sizes the program's fonts in pixels
        large.setPointSizeF(large.pointSizeF() * 1.5);
    else
        large.setPixelSize(large.pixelSize() * 3 / 2);
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
