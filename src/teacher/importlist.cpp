// SPDX-License-Identifier: GPL-3.0-or-later
#include "importlist.h"

#include "appstate.h"
#include "controlnames.h"
#include "fonts.h"
#include "importer.h"
#include "labelbutton.h"
#include "twips.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

namespace
{

const QColor Yellow(255, 255, 0);
const QColor FormBack(39, 63, 137);

QLabel *yellowLabel(QWidget *parent, const QRect &twipRect)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twips::rect(twipRect));
    label->setFont(fonts::tahoma(12, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Yellow);
    label->setPalette(palette);
    return label;
}

} // namespace

ImportList::ImportList(QWidget *parent) : QWidget(parent)
{
    // Over the title slots, above the row of page buttons and "Exit".
    setGeometry(twips::rect(120, 720, 11760, 7080));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, FormBack);
    setPalette(palette);

    heading = yellowLabel(this, {0, 0, 11760, 375});
    questions = new QListWidget(this);
    questions->setGeometry(twips::rect(0, 420, 11760, 5940));
    questions->setFont(fonts::tahoma(10, false));
    questions->setUniformItemSizes(true);
    summary = yellowLabel(this, {0, 6480, 7320, 495});
    summary->setWordWrap(true);
    summary->setFont(fonts::tahoma(9.75, true));
    importTicked = new LabelButton(QCoreApplication::translate("ImportList", "Import Ticked"),
                                   {7440, 6480, 2160, 495}, fonts::tahoma(12, true), this);
    cancel = new LabelButton(QCoreApplication::translate("ImportList", "Cancel"),
                             {9720, 6480, 2040, 495}, fonts::tahoma(12, true), this);
    connect(importTicked, &LabelButton::clicked, this, &ImportList::importClicked);
    connect(cancel, &LabelButton::clicked, this, &ImportList::cancelClicked);
    connect(questions, &QListWidget::itemChanged, this, &ImportList::updateSummary);
    hide();

    controlnames::name({{heading, "heading"},
                        {questions, "questions"},
                        {summary, "summary"},
                        {importTicked, "importTicked"},
                        {cancel, "cancel"}});
}

void ImportList::open(const QString &fileName, const exchange::ReadResult &read)
{
    m_read = read;
    const QSignalBlocker blocker(questions);
    questions->clear();
    for (const exchange::ReadResult::Entry &entry : read.entries) {
        auto *item = new QListWidgetItem(questions);
        if (entry.fits()) {
            item->setText(QCoreApplication::translate("ImportList", "%1: %2")
                              .arg(entry.name, read.questions[entry.index].text));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
            item->setData(Qt::UserRole, entry.index);
        } else {
            item->setText(QCoreApplication::translate("ImportList", "%1: skipped, %2")
                              .arg(entry.name, entry.reason));
            item->setFlags(Qt::NoItemFlags); // greyed, and cannot be ticked
        }
    }
    heading->setText(
        QCoreApplication::translate("ImportList", "%1: %2 of %3 can go into worksheets")
            .arg(QFileInfo(fileName).fileName(), importer::questions(int(read.questions.size())))
            .arg(read.entries.size()));
    updateSummary();
    QWidget::show();
    raise();
}

exchange::ReadResult ImportList::chosen() const
{
    exchange::ReadResult out = m_read;
    out.questions.clear();
    for (int row = 0; row < questions->count(); ++row) {
        const QListWidgetItem *item = questions->item(row);
        if (item->checkState() == Qt::Checked)
            out.questions.append(m_read.questions[item->data(Qt::UserRole).toInt()]);
    }
    return out;
}

void ImportList::updateSummary()
{
    const int ticked = int(chosen().questions.size());
    const int sheets = ticked / AppState::MaxQuestions;
    const int left = ticked % AppState::MaxQuestions;
    const QString worksheetsText =
        sheets == 1 ? QCoreApplication::translate("ImportList", "1 worksheet of ten")
                    : QCoreApplication::translate("ImportList", "%1 worksheets of ten").arg(sheets);
    const QString count = QString::number(ticked);
    QString text;
    if (ticked == 0)
        text =
            QCoreApplication::translate("ImportList", "%1 ticked: nothing to import.").arg(count);
    else if (left == 0)
        text =
            QCoreApplication::translate("ImportList", "%1 ticked: %2.").arg(count, worksheetsText);
    else if (sheets == 0)
        text = QCoreApplication::translate("ImportList", "%1 ticked: %2 to complete in the wizard.")
                   .arg(count, importer::questions(left));
    else
        text = QCoreApplication::translate("ImportList",
                                           "%1 ticked: %2, and %3 to complete in the wizard.")
                   .arg(count, worksheetsText, importer::questions(left));
    summary->setText(text);
    importTicked->setEnabled(ticked > 0);
}
