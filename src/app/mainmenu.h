// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <array>

class QCheckBox;
class QImage;
class QLabel;
class QRadioButton;
class QTimer;
class LabelButton;
class PictureBox;

// The main menu: the three topics (and the greyed topics this program does not have), the
// teacher area, the acknowledgments, the guide, the sound switch, the "Read to me" switch and
// the way out.
class MainMenu : public Screen
{
    Q_OBJECT
public:
    // Indices of the entries entries. 11 to 14 do not exist.
    enum Entry {
        GalileosTelescope = 0,
        GalileosExperiments = 1,
        TychoAndKepler = 2,
        KeplerAndThePlanets = 3,
        SirIsaacNewton = 4,
        Gravity = 5,
        Magnetism = 6,
        Electricity = 7,
        MichaelFaraday = 8,
        Atoms = 9,
        NuclearForces = 10,
        Introduction = 15,
        Exit = 16,
        MultipleChoiceWizard = 17,
        WorksheetCatalogue = 18,
        Acknowledgments = 19,
        TeachersGuide = 20,
        ClassResults = 21, // added: the class's results (not in the first design)
    };
    static constexpr int EntrySlots = 22;
    static const QRect PictureRect; // menuPicture, twips
    // Makes the menu ready to open at once: built ahead, its picture decoded at the screen's
    // ratio. For the screens that go back to the menu when it is not loaded.
    static void makeReady(AppContext &ctx, qreal ratio);
    static const std::array<int, 18> EntryIndices;

    explicit MainMenu(AppContext &ctx);
    void load() override;

    // The menu's picture and title, which a worksheet run from the catalogue shows as its
    // topic.
    const QImage &picture() const;
    QString title() const;

    void entryClicked(int Index);
    void soundOnClicked();
    void soundOffClicked();
    void readCatalogue();

protected:
    void closeRequested() override { entryClicked(Exit); }
    void warmNext() override;

private:
    QLabel *titleText;
    std::array<LabelButton *, EntrySlots> entries{}; // null where no entry exists
    PictureBox *menuPicture;
    QRadioButton *soundOn;
    QRadioButton *soundOff;
    LabelButton *languageChoice; // the teacher area's "Language"
    QTimer *catalogueTimer;
    QLabel *footerText;
    // "Read to me", remembered as ReadAloud in the settings file; greyed, with the reason in its
    // tooltip, when there is no voice to read with.
    QCheckBox *readAloudSwitch;
};
