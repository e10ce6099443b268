// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/exchange.h"

#include <QWidget>

class QLabel;
class QListWidget;
class LabelButton;

// The questions of a GIFT or Aiken file, every one in file order, laid over the catalogue's title
// slots: the ones a worksheet can take ticked, the others greyed with the reason they were
// skipped. The teacher may untick any; "Import Ticked" hands the ticked ones on, in file order.
class ImportList : public QWidget
{
    Q_OBJECT
public:
    explicit ImportList(QWidget *parent);

    // Lists the questions read from the file named fileName (shown by its name only).
    void open(const QString &fileName, const exchange::ReadResult &read);
    // The read result with only the ticked questions in questions, in file order.
    exchange::ReadResult chosen() const;

Q_SIGNALS:
    void importClicked();
    void cancelClicked();

private:
    QLabel *heading;
    QListWidget *questions;
    QLabel *summary; // what "Import Ticked" will make of the ticked questions
    LabelButton *importTicked;
    LabelButton *cancel;

    void updateSummary();
    exchange::ReadResult m_read;
};
