// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheetwizard.h"

#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "standardlook.h"
#include "twips.h"
#include "waitnotice.h"
#include "wizardchecks.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace
{

const QColor Yellow(255, 255, 0);
const QColor FormBack(39, 63, 137);
constexpr int EnterKey = 13;

// Question q's block stands in column q div 5, row q mod 5.
QPoint blockOffset(int q)
{
    return {5880 * (q / 5), 1440 * (q % 5)};
}

QLineEdit *makeBox(QWidget *parent, const QRect &twipRect, int maxLength, const QFont &font)
{
    auto *box = new QLineEdit(parent);
    box->setGeometry(twips::rect(twipRect));
    box->setMaxLength(maxLength);
    box->setFont(font);
    // The design boxes are only a little taller than their text: no inner margins.
    box->setTextMargins(1, 0, 1, 0);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black;"
                                      " border: 1px solid rgb(0, 0, 0); padding: 0px; }"));
    // A text longer than the box shows from its start unless the teacher is typing in it.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        if (!box->hasFocus())
            box->setCursorPosition(0);
    });
    QObject::connect(box, &QLineEdit::editingFinished, box, [box] { box->setCursorPosition(0); });
    return box;
}

} // namespace

WorksheetWizard::WorksheetWizard(AppContext &context) : Screen(context)
{
    headline = addLabel(QCoreApplication::translate("WorksheetWizard", "Multiple Choice Wizard"),
                        {0, 0, 4320, 540}, fonts::tahoma(18, true), Yellow);
    titleCaption = addLabel(QCoreApplication::translate("WorksheetWizard", "Worksheet Title"),
                            {5160, 120, 2280, 345}, fonts::tahoma(14.25, true), Yellow);
    titleBox = makeBox(this, {7560, 120, 4215, 375}, TitleLength, fonts::times(12));
    titleBox->setAccessibleName(QCoreApplication::translate("WorksheetWizard", "Worksheet title"));

    static const char *const letters[] = {"A.", "B.", "C.", "D."};
    static const int boxLeft[] = {720, 3600, 720, 3600};
    static const int tickLeft[] = {480, 3330, 480, 3330};
    static const int rowTop[] = {1230, 1230, 1560, 1560};
    static const int letterLeft[] = {255, 3090, 270, 3090};
    static const int letterTop[] = {1200, 1200, 1560, 1560};

    for (int q = 0; q < Questions; ++q) {
        const QPoint o = blockOffset(q);
        questionCaptions[q] =
            addLabel(QCoreApplication::translate("WorksheetWizard", "Question %1").arg(q + 1),
                     {240 + o.x(), 600 + o.y(), 2400, 255}, fonts::tahoma(9.75, true), Yellow,
                     Qt::AlignLeft | Qt::AlignTop);
        questionBoxes[q] =
            makeBox(this, {240 + o.x(), 840 + o.y(), 5655, 375}, QuestionLength, fonts::times(12));
        connect(questionBoxes[q], &QLineEdit::returnPressed, this,
                [this, q] { questionKeyPress(q, EnterKey); });
        const QString question =
            QCoreApplication::translate("WorksheetWizard", "Question %1").arg(q + 1);
        questionBoxes[q]->setAccessibleName(question);
        for (int a = 0; a < 4; ++a) {
            const int i = 4 * q + a;
            answerBoxes[i] = makeBox(this, {boxLeft[a] + o.x(), rowTop[a] + o.y(), 2295, 330},
                                     AnswerLength, fonts::times(9.75));
            connect(answerBoxes[i], &QLineEdit::returnPressed, this,
                    [this, i] { answerKeyPress(i, EnterKey); });
            rightAnswerTicks[i] = new QCheckBox(this);
            rightAnswerTicks[i]->setGeometry(
                twips::rect(tickLeft[a] + o.x(), rowTop[a] + o.y(), 255, 315));
            const QString answer = QCoreApplication::translate("WorksheetWizard", "%1, answer %2")
                                       .arg(question)
                                       .arg(QChar(u'A' + a));
            answerBoxes[i]->setAccessibleName(answer);
            rightAnswerTicks[i]->setAccessibleName(
                answer + QCoreApplication::translate("WorksheetWizard", " is right"));
            answerLetters[i] =
                addLabel(QString::fromLatin1(letters[a]),
                         {letterLeft[a] + o.x(), letterTop[a] + o.y(), 240, 300},
                         fonts::tahoma(12, true), Yellow, Qt::AlignLeft | Qt::AlignTop);
        }
    }
    connect(titleBox, &QLineEdit::returnPressed, this, [this] { titleKeyPress(EnterKey); });
    // The box keeps clear of the full stop of the "A." to "D." beside it.
    const QString tickStyle =
        tickBoxStyle(Yellow, FormBack) +
        QStringLiteral(
            "QCheckBox { padding-left: 2px; } QCheckBox::indicator { width: 9px; height: 9px; }");
    for (QCheckBox *tick : rightAnswerTicks) {
        QPalette palette = tick->palette();
        palette.setColor(QPalette::Window, FormBack);
        tick->setPalette(palette);
        tick->setAutoFillBackground(true);
        tick->setStyleSheet(tickStyle);
    }

    addButtons(
        buttons,
        {{Exit, QT_TRANSLATE_NOOP("Buttons", "Exit"), {10560, 7920, 1245, 495}},
         {SaveWorksheet, QT_TRANSLATE_NOOP("Buttons", "Save Worksheet"), {240, 7920, 3165, 495}}},
        [this](int i) { buttonClicked(i); }, &hover);
    setExitButton(buttons[Exit]);

    controlnames::name(
        {{titleBox, "titleBox"}, {headline, "headline"}, {titleCaption, "titleCaption"}});
    controlnames::nameArray(questionBoxes, "questionBoxes");
    controlnames::nameArray(answerBoxes, "answerBoxes");
    controlnames::nameArray(rightAnswerTicks, "rightAnswerTicks");
    controlnames::nameArray(buttons, "buttons");
    controlnames::nameArray(questionCaptions, "questionCaptions");
    controlnames::nameArray(answerLetters, "answerLetters");
}

QList<QWidget *> WorksheetWizard::tabOrder() const
{
    // The title, then each question followed by its answers A to D; the tick boxes come after
    // every text box, the buttons last.
    QList<QWidget *> order{titleBox};
    for (int q = 0; q < Questions; ++q) {
        order << questionBoxes[q];
        for (int a = 0; a < 4; ++a)
            order << answerBoxes[4 * q + a];
    }
    for (QCheckBox *tick : rightAnswerTicks)
        order << tick;
    order << buttons[SaveWorksheet] << buttons[Exit];
    return order;
}

void WorksheetWizard::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Multiple Choice Wizard"));
    applyStandardLook(this);
}

void WorksheetWizard::buttonClicked(int Index)
{
    switch (Index) {
    case SaveWorksheet:
        checkAndSave();
        break;
    case Exit:
        if (hasUnsavedEdits() &&
            !ctx.platform.boxes.okCancel(
                this, QCoreApplication::translate("WorksheetWizard",
                                                  "Your changes to this worksheet have not been "
                                                  "saved. Leave the wizard and lose them?")))
            return;
        ctx.screens.unload(this);
        break;
    default:
        return;
    }
    ctx.playSound(contentnames::ClickSound);
}

questionfile::Worksheet WorksheetWizard::worksheet() const
{
    questionfile::Worksheet sheet;
    sheet.title = titleBox->text();
    for (int q = 0; q < Questions; ++q) {
        questionfile::Question &question = sheet.questions[q];
        question.text = questionBoxes[q]->text();
        for (int a = 0; a < 4; ++a) {
            question.answers[a] = answerBoxes[4 * q + a]->text();
            question.ticks[a] = rightAnswerTicks[4 * q + a]->isChecked();
        }
    }
    return sheet;
}

void WorksheetWizard::checkAndSave()
{
    // The titles listed now, so that a title differing only in letter case is caught before it
    // replaces another worksheet's file.
    AppState scratch;
    catalogue::read(ctx.platform.paths.path(contentnames::Catalogue), scratch);
    const QStringList listed = catalogue::titles(scratch);
    const core::Result checked = wizardchecks::check(worksheet(), listed);
    if (!checked) {
        ctx.platform.boxes.ok(this, checked.error);
        return;
    }
    writeWorksheet();
}

bool WorksheetWizard::writeWorksheet()
{
    questionfile::Worksheet sheet = worksheet();
    AppState scratch;
    catalogue::read(ctx.platform.paths.path(contentnames::Catalogue), scratch);
    const bool wasListed = catalogue::titles(scratch).contains(sheet.title);
    // The title was checked, so its file stays inside the worksheet folder; the old file is
    // replaced only once the new one has been written in full. The marker lets the next start
    // list the worksheet should the program be killed before the catalogue lists it.
    catalogue::Save save;
    save.cataloguePath = ctx.platform.paths.path(contentnames::Catalogue);
    save.worksheetPath = [this](const QString &title) {
        return ctx.platform.paths.path(questionfile::fileName(title));
    };
    // A new title that another save or an import took since the teacher pressed the button is
    // theirs: it is not replaced.
    save.pickTitle = [&](const QStringList &listed) {
        catalogue::Title picked;
        if (!wasListed &&
            (listed.contains(sheet.title) || catalogue::occupied(save.worksheetPath(sheet.title))))
            picked.error = wizardchecks::sameAsListed(sheet.title);
        else
            picked.title = sheet.title;
        return picked;
    };
    save.waiting = waitingFor(this);
    const catalogue::Change change = catalogue::saveWorksheet(save, sheet, ctx.state);
    if (change)
        m_saved = sheet;
    ctx.platform.boxes.ok(
        this, change ? (change.warning.isEmpty()
                            ? QCoreApplication::translate("WorksheetWizard",
                                                          "Your worksheet has been saved.")
                            : QCoreApplication::translate("WorksheetWizard",
                                                          "Your worksheet has been saved.\n\n%1")
                                  .arg(change.warning))
                     : QCoreApplication::translate(
                           "WorksheetWizard", "There was a problem saving your worksheet\n\n%1")
                           .arg(change.error));
    return change.ok();
}

void WorksheetWizard::titleKeyPress(int KeyAscii)
{
    if (KeyAscii == EnterKey)
        questionBoxes[0]->setFocus();
}

void WorksheetWizard::questionKeyPress(int Index, int KeyAscii)
{
    if (KeyAscii == EnterKey && Index >= 0 && Index < Questions)
        answerBoxes[4 * Index]->setFocus();
}

void WorksheetWizard::answerKeyPress(int Index, int KeyAscii)
{
    if (KeyAscii != EnterKey || Index < 0 || Index >= Answers)
        return;
    if (Index % 4 != 3)
        answerBoxes[Index + 1]->setFocus();
    else if (Index < Answers - 1)
        questionBoxes[(Index + 1) / 4]->setFocus();
}

bool WorksheetWizard::hasUnsavedEdits() const
{
    const questionfile::Worksheet now = worksheet();
    if (now.title != m_saved.title)
        return true;
    for (int q = 0; q < Questions; ++q) {
        const questionfile::Question &a = now.questions[q];
        const questionfile::Question &b = m_saved.questions[q];
        if (a.text != b.text || a.answers != b.answers || a.ticks != b.ticks)
            return true;
    }
    return false;
}

void WorksheetWizard::setWorksheet(const questionfile::Worksheet &sheet, bool saved)
{
    for (QCheckBox *tick : rightAnswerTicks)
        tick->setChecked(false);
    titleBox->setText(sheet.title);
    for (int q = 0; q < Questions; ++q) {
        const questionfile::Question &question = sheet.questions[q];
        questionBoxes[q]->setText(question.text);
        for (int a = 0; a < 4; ++a) {
            answerBoxes[4 * q + a]->setText(question.answers[a]);
            if (question.ticks[a])
                rightAnswerTicks[4 * q + a]->setChecked(true);
        }
    }
    // The boxes as they now read (a box keeps at most its length), so an untouched worksheet
    // leaves without a question.
    m_saved = saved ? worksheet() : questionfile::Worksheet();
}
