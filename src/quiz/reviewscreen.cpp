// SPDX-License-Identifier: GPL-3.0-or-later
#include "reviewscreen.h"

#include "appcontext.h"
#include "controlnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "resultsscreen.h"
#include "standardlook.h"

#include <QCoreApplication>
#include <QLabel>

ReviewScreen::ReviewScreen(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    worksheetTitle = addLabel(QString(), {0, 120, 12000, 540}, fonts::tahoma(20.25, true), yellow);
    introText = addLabel(QCoreApplication::translate(
                             "ReviewScreen", "You answered the following questions incorrectly."),
                         {240, 960, 12000, 540}, fonts::tahoma(15.75, true), yellow,
                         Qt::AlignLeft | Qt::AlignTop);
    for (int k = 0; k < Rows; ++k) {
        wrongAnswerRows[k] =
            addLabel(QString(), {120, 1680 + 600 * k, 12000, 540}, fonts::tahoma(15.75, true),
                     Qt::white, Qt::AlignLeft | Qt::AlignTop);
        wrongAnswerRows[k]->setWordWrap(false);
        wrongAnswerRows[k]->hide();
    }
    adviceText =
        addLabel(QCoreApplication::translate("ReviewScreen", "Read the Key Facts and try again."),
                 {0, 7920, 12000, 540}, fonts::tahoma(20.25, true), yellow);
    exitButton = new LabelButton(QCoreApplication::translate("Buttons", "Exit"),
                                 {10560, 7920, 1245, 495}, fonts::tahoma(15.75, true), this);
    connect(exitButton, &LabelButton::clicked, this, [this] { buttonClicked(1); });
    setExitButton(exitButton);

    controlnames::name({{worksheetTitle, "worksheetTitle"},
                        {introText, "introText"},
                        {adviceText, "adviceText"},
                        {exitButton, "exitButton"}});
    controlnames::nameArray(wrongAnswerRows, "wrongAnswerRows");
}

void ReviewScreen::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Questions to look at again"));
    applyStandardLook(this);
}

void ReviewScreen::showWrongAnswers(const QString &title, const QStringList &rows)
{
    for (int k = 0; k < Rows && k < rows.size(); ++k) {
        wrongAnswerRows[k]->setText(rows[k]);
        wrongAnswerRows[k]->show();
    }
    worksheetTitle->setText(title);
}

void ReviewScreen::buttonClicked(int)
{
    ctx.screens.unload<ResultsScreen>();
    ctx.screens.unload(this);
}
