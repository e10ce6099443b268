// SPDX-License-Identifier: GPL-3.0-or-later
#include "wrong.h"

#include "appcontext.h"
#include "fonts.h"
#include "labelbutton.h"
#include "standardlook.h"
#include "welldone.h"

#include <QCoreApplication>
#include <QLabel>

Wrong::Wrong(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    Label6 = addLabel(QString(), {0, 120, 12000, 540}, fonts::tahoma(20.25, true), yellow);
    Label4 = addLabel(QCoreApplication::translate(
                          "ReviewScreen", "You answered the following questions incorrectly."),
                      {240, 960, 12000, 540}, fonts::tahoma(15.75, true), yellow,
                      Qt::AlignLeft | Qt::AlignTop);
    for (int k = 0; k < Rows; ++k) {
        Label2[k] = addLabel(QString(), {120, 1680 + 600 * k, 12000, 540},
                             fonts::tahoma(15.75, true), Qt::white, Qt::AlignLeft | Qt::AlignTop);
        Label2[k]->setWordWrap(false);
        Label2[k]->hide();
    }
    Label5 =
        addLabel(QCoreApplication::translate("ReviewScreen", "Read the Key Facts and try again."),
                 {0, 7920, 12000, 540}, fonts::tahoma(20.25, true), yellow);
    Label3_1 = new LabelButton(QCoreApplication::translate("Buttons", "Exit"),
                               {10560, 7920, 1245, 495}, fonts::tahoma(15.75, true), this);
    connect(Label3_1, &LabelButton::clicked, this, [this] { Label3_Click(1); });
    setExitButton(Label3_1);
}

void Wrong::Form_Load()
{
    applyStandardLook(this);
}

void Wrong::showWrongAnswers(const QString &title, const QStringList &rows)
{
    for (int k = 0; k < Rows && k < rows.size(); ++k) {
        Label2[k]->setText(rows[k]);
        Label2[k]->show();
    }
    Label6->setText(title);
}

void Wrong::Label3_Click(int)
{
    ctx.screens.unload<Welldone>();
    ctx.screens.unload(this);
}
