// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "controlnames.h"
#include "fonts.h"
#include "labelbutton.h"
#include "languagechoice.h"
#include "navigation.h"
#include "picturebox.h"
#include "settings.h"
#include "standardlook.h"
#include "titlescreen.h"
#include "twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

const std::array<int, 18> MainMenu::EntryIndices = {0, 1,  2,  3,  4,  5,  6,  7,  8,
                                                    9, 10, 15, 16, 17, 18, 19, 20, 21};

const QRect MainMenu::PictureRect(6840, 1440, 4800, 3600);

namespace
{

struct EntryDesign {
    int index;
    const char *caption;
    QRect rect;
    double points;
    bool enabled;
};

const EntryDesign Entries[] = {
    {MainMenu::TeachersGuide,
     QT_TRANSLATE_NOOP("MainMenu", "Teachers' Guide"),
     {120, 1080, 3075, 495},
     14.25,
     true},
    {MainMenu::Introduction,
     QT_TRANSLATE_NOOP("MainMenu", "Introduction"),
     {120, 2160, 3075, 375},
     12,
     true},
    {MainMenu::GalileosTelescope,
     QT_TRANSLATE_NOOP("MainMenu", "Galileo's Telescope"),
     {120, 2880, 3075, 375},
     12,
     false},
    {MainMenu::GalileosExperiments,
     QT_TRANSLATE_NOOP("MainMenu", "Galileo's Experiments"),
     {120, 3600, 3075, 375},
     12,
     false},
    {MainMenu::TychoAndKepler,
     QT_TRANSLATE_NOOP("MainMenu", "Tycho and Kepler"),
     {120, 4320, 3075, 375},
     12,
     false},
    {MainMenu::KeplerAndThePlanets,
     QT_TRANSLATE_NOOP("MainMenu", "Kepler and the Planets"),
     {120, 5040, 3075, 375},
     12,
     false},
    {MainMenu::SirIsaacNewton,
     QT_TRANSLATE_NOOP("MainMenu", "Sir Isaac Newton"),
     {120, 5760, 3075, 375},
     12,
     false},
    {MainMenu::Gravity,
     QT_TRANSLATE_NOOP("MainMenu", "Gravity"),
     {3360, 2160, 3075, 375},
     12,
     false},
    {MainMenu::Magnetism,
     QT_TRANSLATE_NOOP("MainMenu", "Magnetism"),
     {3360, 2880, 3075, 375},
     12,
     false},
    {MainMenu::Electricity,
     QT_TRANSLATE_NOOP("MainMenu", "Electricity"),
     {3360, 3600, 3075, 375},
     12,
     true},
    {MainMenu::MichaelFaraday,
     QT_TRANSLATE_NOOP("MainMenu", "Michael Faraday"),
     {3360, 4320, 3075, 375},
     12,
     true},
    {MainMenu::Atoms, QT_TRANSLATE_NOOP("MainMenu", "Atoms"), {3360, 5040, 3075, 375}, 12, false},
    {MainMenu::NuclearForces,
     QT_TRANSLATE_NOOP("MainMenu", "Nuclear Forces"),
     {3360, 5760, 3075, 375},
     12,
     false},
    {MainMenu::MultipleChoiceWizard,
     QT_TRANSLATE_NOOP("MainMenu", "Multiple Choice Wizard"),
     {6960, 5760, 4635, 495},
     18,
     true},
    {MainMenu::WorksheetCatalogue,
     QT_TRANSLATE_NOOP("MainMenu", "Worksheet Catalogue"),
     {6960, 6600, 4635, 495},
     18,
     true},
    {MainMenu::ClassResults,
     QT_TRANSLATE_NOOP("MainMenu", "Class Results"),
     {6960, 7320, 2235, 375},
     12,
     true},
    {MainMenu::Acknowledgments,
     QT_TRANSLATE_NOOP("MainMenu", "Acknowledgments"),
     {120, 7920, 3075, 495},
     14.25,
     true},
    {MainMenu::Exit, QT_TRANSLATE_NOOP("MainMenu", "Exit"), {10560, 7920, 1245, 495}, 18, true},
};

void setOptionBackground(QRadioButton *option, const QColor &back)
{
    option->setStyleSheet(
        QStringLiteral("QRadioButton { color: rgb(255, 255, 0); background: %1; }"
                       "QRadioButton::indicator { width: 9px; height: 9px; border-radius: 5px;"
                       " border: 1px solid rgb(255, 255, 0); background: %1; }"
                       "QRadioButton::indicator:checked { background: rgb(255, 255, 0); }")
            .arg(back.name()));
}

// The "Read to me" switch, drawn as the sound switch is; grey text when there is no voice.
void setSwitchBackground(QCheckBox *box, const QColor &back)
{
    box->setStyleSheet(
        QStringLiteral("QCheckBox { color: rgb(255, 255, 0); background: %1; }"
                       "QCheckBox:disabled { color: rgb(128, 128, 128); }"
                       "QCheckBox::indicator { width: 9px; height: 9px;"
                       " border: 1px solid rgb(255, 255, 0); background: %1; }"
                       "QCheckBox::indicator:checked { background: rgb(255, 255, 0); }"
                       "QCheckBox::indicator:disabled { border-color: rgb(128, 128, 128); }")
            .arg(back.name()));
}

} // namespace

MainMenu::MainMenu(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    titleText = addLabel(QCoreApplication::translate("MainMenu", "Quorvel Demo"),
                         {0, 120, 10440, 900}, fonts::tahoma(32.25, true), yellow);

    for (const EntryDesign &e : Entries) {
        const QColor back = e.index == Exit ? QColor(0, 0, 192) : QColor(0, 0, 128);
        auto *entry = new LabelButton(QCoreApplication::translate("MainMenu", e.caption), e.rect,
                                      fonts::tahoma(e.points, true), this, back);
        entry->setEnabled(e.enabled);
        // The twelve topic entries start transparent; the other five start highlighted.
        const bool topic = e.index <= NuclearForces || e.index == Introduction;
        entry->setOpaque(!topic);
        const int index = e.index;
        connect(entry, &LabelButton::clicked, this, [this, index] { entryClicked(index); });
        hover.add(entry);
        entries[e.index] = entry;
    }

    setExitButton(entries[Exit]);
    menuPicture = new PictureBox(PictureRect, this);

    const auto option = [this](const QString &caption, QRect r) {
        auto *o = new QRadioButton(caption, this);
        o->setGeometry(twips::rect(r));
        o->setFont(fonts::tahoma(9.75, true));
        o->setAutoFillBackground(true);
        setOptionBackground(o, QColor(39, 63, 137));
        return o;
    };
    soundOn = option(QCoreApplication::translate("MainMenu", "Sound On"), {10440, 120, 1455, 255});
    soundOff =
        option(QCoreApplication::translate("MainMenu", "Sound Off"), {10440, 480, 1455, 255});
    soundOn->setChecked(true);
    auto *group = new QButtonGroup(this);
    group->addButton(soundOn);
    group->addButton(soundOff);
    connect(soundOn, &QRadioButton::clicked, this, &MainMenu::soundOnClicked);
    connect(soundOff, &QRadioButton::clicked, this, &MainMenu::soundOffClicked);

    readAloudSwitch = new QCheckBox(QCoreApplication::translate("MainMenu", "Read to me"), this);
    readAloudSwitch->setGeometry(twips::rect(10440, 840, 1455, 255));
    readAloudSwitch->setFont(fonts::tahoma(9.75, true));
    readAloudSwitch->setAutoFillBackground(true);
    setSwitchBackground(readAloudSwitch, QColor(39, 63, 137));
    connect(readAloudSwitch, &QCheckBox::toggled, this, [this](bool on) {
        ctx.readAloud.setOn(on);
        settings::setValue(QStringLiteral("ReadAloud"), on);
        ctx.readAloud.say(on ? QCoreApplication::translate("MainMenu", "Read to me is on.")
                             : QString());
    });

    catalogueTimer = new QTimer(this);
    catalogueTimer->setInterval(1);
    connect(catalogueTimer, &QTimer::timeout, this, &MainMenu::readCatalogue);

    languageChoice = addLanguageChoice(this, ctx.platform.boxes);
    hover.add(languageChoice);

    footerText = addLabel(QCoreApplication::translate(
                              "MainMenu", "Pick a topic to explore, or open the teacher area."),
                          {0, 8220, 12000, 375}, fonts::tahoma(9.75), yellow);

    controlnames::name({{titleText, "titleText"},
                        {menuPicture, "menuPicture"},
                        {soundOn, "soundOn"},
                        {soundOff, "soundOff"},
                        {languageChoice, "languageChoice"},
                        {catalogueTimer, "catalogueTimer"},
                        {footerText, "footerText"},
                        {readAloudSwitch, "readAloudSwitch"}});
    controlnames::nameArray(entries, "entries");
}

void MainMenu::load()
{
    nameWindow(this, QCoreApplication::translate("Screens", "Main menu"));
    applyStandardLook(this);
    menuPicture->load(ctx.platform.paths, contentnames::MenuPicture);
    setBackColor(Qt::black);
    for (QRadioButton *o : {soundOn, soundOff})
        setOptionBackground(o, Qt::black);
    setSwitchBackground(readAloudSwitch, Qt::black);
    const QString noVoice = ctx.readAloud.unavailable();
    readAloudSwitch->setEnabled(noVoice.isEmpty());
    readAloudSwitch->setToolTip(noVoice);
    {
        const QSignalBlocker quiet(readAloudSwitch);
        readAloudSwitch->setChecked(noVoice.isEmpty() && ctx.readAloud.isOn());
    }
    ctx.state.soundOn = 1;
    catalogueTimer->start();
}

void MainMenu::makeReady(AppContext &ctx, qreal ratio)
{
    warmPicture(ctx.platform.paths, contentnames::MenuPicture, PictureRect, ratio);
    ctx.screens.build<MainMenu>();
}

void MainMenu::warmNext()
{
    navigation::warmHubs(ctx, devicePixelRatioF());
    navigation::warmMenuPages(ctx, devicePixelRatioF());
    navigation::buildFromMenu(ctx);
}

const QImage &MainMenu::picture() const
{
    return menuPicture->picture();
}

QString MainMenu::title() const
{
    return titleText->text();
}

void MainMenu::entryClicked(int Index)
{
    if (!entries[Index] || !entries[Index]->isEnabled())
        return;
    switch (Index) {
    case Exit:
        ctx.screens.get<TitleScreen>()->showAsExitScreen();
        break;
    case WorksheetCatalogue:
        navigation::openWorksheetCatalogue(ctx);
        ctx.screens.unload(this);
        break;
    default:
        navigation::openFromMenu(ctx, Index);
        break;
    }
    ctx.playSound(contentnames::ClickSound);
}

void MainMenu::soundOnClicked()
{
    ctx.state.soundOn = 1;
}

void MainMenu::soundOffClicked()
{
    ctx.state.soundOn = 0;
}

void MainMenu::readCatalogue()
{
    catalogueTimer->stop();
    const QString path = ctx.platform.paths.path(contentnames::Catalogue);
    // What a killed save left is mended once a run: recovering lists the folder, which over a
    // network share costs a round trip for every few files in it.
    if (!ctx.worksheetsRecovered) {
        catalogue::recover(path);
        ctx.worksheetsRecovered = true;
    }
    catalogue::read(path, ctx.state);
}
