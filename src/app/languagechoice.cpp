// SPDX-License-Identifier: GPL-3.0-or-later
#include "languagechoice.h"

#include "fonts.h"
#include "labelbutton.h"
#include "language.h"
#include "platform.h"
#include "settings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

LabelButton *addLanguageChoice(QWidget *menu, MessageBoxes &boxes)
{
    auto *choice =
        new LabelButton(QCoreApplication::translate("MainMenu", "Language"),
                        {9360, 7320, 2235, 375}, fonts::tahoma(12, true), menu, QColor(0, 0, 128));
    QObject::connect(choice, &LabelButton::clicked, menu, [menu, choice, &boxes] {
        QMenu list(menu);
        list.setFont(fonts::tahoma(12, true));
        const QString current = settings::value(QStringLiteral("Language")).toString();
        for (const QString &code : language::available()) {
            QAction *action = list.addAction(language::nativeName(code));
            action->setData(code);
            action->setCheckable(true);
            action->setChecked(code == current);
        }
        const QAction *chosen = list.exec(choice->mapToGlobal(QPoint(0, choice->height())));
        if (!chosen)
            return;
        const QString code = chosen->data().toString();
        boxes.ok(menu, settings::setValue(QStringLiteral("Language"), code)
                           ? QCoreApplication::translate(
                                 "MainMenu", "Quorvel will be in %1 from the next time it starts.")
                                 .arg(chosen->text())
                           : QCoreApplication::translate(
                                 "MainMenu", "The language could not be kept: the settings file "
                                             "cannot be written."));
    });
    return choice;
}
