// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <array>

class QCheckBox;
class QLabel;
class ImportList;
class LabelButton;

// The worksheet catalogue: the catalogued worksheet titles, 24 to a page in two columns of 12.
// Clicking a title loads its worksheet and runs it as a quiz; with "Edit Worksheet" ticked it
// opens it in the wizard instead, with "Delete Worksheet" ticked it asks and then removes the
// title from the catalogue (the worksheet's file stays on disk). "Exit" brings back the menu.
//
// The screen keeps the titles as read when it loaded (or as left by a deletion): worksheets saved
// in the meantime appear the next time it opens.
//
// Below the design's controls, in the same look: "Export Worksheet" and "Print Answer Key" ticks,
// which like "Edit Worksheet" and "Delete Worksheet" act on the title clicked next (at most one of
// the four is ticked), and "Import Worksheets", which lists the questions of a GIFT or Aiken file
// for the teacher to pick from, makes worksheets of ten and opens a remainder in the wizard.
class WorksheetCatalogue : public Screen
{
    Q_OBJECT
public:
    static constexpr int Slots = 24;
    static constexpr int SlotsPerColumn = 12;
    enum Entry { Exit = 0 }; // titleButtons[1] to titleButtons[Slots] are the title slots
    enum PageButton { PreviousPage = 0, NextPage = 1 };

    explicit WorksheetCatalogue(AppContext &ctx);
    void load() override;

    // Draws page cataloguePage: its titles in the slots, its number, and the page buttons that
    // lead to further titles.
    void drawPage();

    void titleClicked(int Index);
    void pageButtonClicked(int Index);
    void editTicked();
    void deleteTicked();
    // Any tick clears the others.
    void untickOthers(QCheckBox *ticked);
    void importClicked();
    // Reads a GIFT or Aiken file and lists its questions over the title slots (importList); a
    // file that cannot be read is told in a message. "Import Ticked" runs importChosen.
    void importFile(const QString &file);
    // Makes worksheets of ten of the ticked questions; one to nine left over open in the wizard,
    // filled in, for the teacher to complete and name.
    void importChosen();

    // Fills the wizard with the worksheet in the question bank, its ticks at the correct answers
    // only, and shows it.
    void editInWizard();

    // The last page that holds titles (0 when there are none).
    int lastPage() const;

protected:
    void closeRequested() override { titleClicked(Exit); }
    // "Exit" shows the menu, which opening the catalogue unloaded: it is built ahead.
    void warmNext() override;

private:
    QLabel *headline;
    QCheckBox *editTick;      // "Edit Worksheet"
    QCheckBox *deleteTick;    // "Delete Worksheet"
    QCheckBox *exportTick;    // "Export Worksheet"
    QCheckBox *answerKeyTick; // "Print Answer Key"
    QCheckBox *fullScreenChoice;
    QCheckBox *highContrastChoice;
    LabelButton *importButton; // "Import Worksheets"
    std::array<LabelButton *, Slots + 1> titleButtons{};
    std::array<LabelButton *, 2> pageButtons{};
    QLabel *pageNumber;
    ImportList *importList;

    // Opens the worksheet titled name, or tells the teacher it cannot be read. True when the
    // shared state's quiz now holds it.
    bool loadWorksheet(const QString &name);
    void deleteWorksheet(const QString &name);
    void runWorksheet();
    void exportWorksheet(const QString &name);
    void printAnswerKey();
    void corrupted();

    QString m_importFile; // the file importList shows
};
