// SPDX-License-Identifier: GPL-3.0-or-later
#include "waitnotice.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

#include <memory>

namespace
{

// Owns the notice for as long as any copy of the waiting function lives.
struct Notice {
    QPointer<QWidget> screen;
    QPointer<QLabel> label;
    ~Notice() { delete label.data(); }
};

} // namespace

catalogue::Waiting waitingFor(QWidget *screen)
{
    auto notice = std::make_shared<Notice>();
    notice->screen = screen;
    return [notice](const QString &holder) {
        if (notice->screen && !notice->label) {
            notice->label = new QLabel(notice->screen);
            notice->label->setWordWrap(true);
            notice->label->setStyleSheet(QStringLiteral(
                "background: black; color: yellow; border: 2px solid yellow; padding: 6px"));
            notice->label->setFixedWidth(qMin(400, notice->screen->width()));
            notice->label->setAccessibleName(QCoreApplication::translate("WaitNotice", "Waiting"));
        }
        if (notice->label) {
            notice->label->setText(
                QCoreApplication::translate(
                    "WaitNotice", "Waiting for the catalogue of worksheets: %1 is using it.")
                    .arg(holder));
            notice->label->adjustSize();
            notice->label->move((notice->screen->width() - notice->label->width()) / 2,
                                (notice->screen->height() - notice->label->height()) / 2);
            notice->label->show();
            notice->label->raise();
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    };
}
