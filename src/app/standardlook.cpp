// SPDX-License-Identifier: GPL-3.0-or-later
#include "standardlook.h"

#include "twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QColor backdropColour()
{
    return {48, 133, 214};
}

void centreOnScreen(QWidget *form)
{
    if (!form->isWindow())
        return;
    QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    form->move(area.x() + area.width() / 2 - form->width() / 2,
               area.y() + area.height() / 2 - form->height() / 2);
}

void nameWindow(QWidget *form, const QString &screen)
{
    form->setWindowTitle(screen.isEmpty()
                             ? QStringLiteral("Quorvel")
                             : QCoreApplication::translate("Screens", "Quorvel: %1").arg(screen));
}

void applyStandardLook(QWidget *form, QWidget *picture1)
{
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor(39, 63, 137));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    if (form->windowTitle().isEmpty())
        nameWindow(form, QString());

    if (picture1) {
        QPalette p = picture1->palette();
        p.setColor(QPalette::Window, QColor(49, 135, 214));
        picture1->setPalette(p);
        picture1->setAutoFillBackground(true);
    }
    form->setFixedSize(twips::px(12000), twips::px(9000));
    centreOnScreen(form);
}

QString tickBoxStyle(const QColor &mark, const QColor &back)
{
    return QStringLiteral("QCheckBox { color: %1; background: %2; spacing: 6px; }"
                          "QCheckBox::indicator { width: 11px; height: 11px;"
                          " border: 2px solid %1; background: %2; }"
                          "QCheckBox::indicator:checked { background: %1; }")
        .arg(mark.name(), back.name());
}
