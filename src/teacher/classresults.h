// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal.h"
#include "screen.h"

#include <array>

class QDateEdit;
class QLabel;
class QTableWidget;
class LabelButton;

// "Class Results", from the teacher area of the menu: the class folder's results journal
// (journal.h) as a table of pupils against topics and worksheets (best score, latest score,
// tries) over a range of dates, the attempts of the pupil picked with the questions they got
// wrong, "Export" to a CSV file and "Delete Pupil", which removes every record of that pupil after
// asking. The journal is read once when the screen loads; the dates only filter what was read.
class ClassResults : public Screen
{
    Q_OBJECT
public:
    enum Button { Export = 0, DeletePupil = 1, Exit = 2 };

    explicit ClassResults(AppContext &ctx);
    void load() override;

    // Reads the journal afresh and shows it.
    void reload();
    // Shows the attempts of the pupil in row of the table (none for -1).
    void showPupil(int row);
    void exportResults();
    void deletePupil();
    void buttonClicked(int Index);

    // The records in the date range, as shown.
    const QVector<journal::Record> &shown() const { return m_shown; }

private:
    QLabel *titleText;
    QDateEdit *fromDate;
    QDateEdit *toDate;
    QTableWidget *pupilTable;
    QTableWidget *attemptTable;
    QLabel *legend;
    QLabel *status;
    std::array<LabelButton *, 3> buttons{};

    void fill();

    QVector<journal::Record> m_records; // everything read, by finishing time
    QVector<journal::Record> m_shown;   // those in the date range
    journal::Table m_table;
    int m_skipped = 0;
    QString m_readError;
};
