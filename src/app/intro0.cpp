// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro0.h"

#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "dressform.h"
#include "fonts.h"
#include "labelbutton.h"
#include "languagechoice.h"
#include "navigation.h"
#include "picturebox.h"
#include "settings.h"
#include "titlefrm.h"
#include "twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

const std::array<int, 18> intro0::EntryIndices = {0, 1,  2,  3,  4,  5,  6,  7,  8,
                                                  9, 10, 15, 16, 17, 18, 19, 20, 21};

const QRect intro0::PictureRect(6840, 1440, 4800, 3600);

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
    {intro0::TeachersGuide,
     QT_TRANSLATE_NOOP("MainMenu", "Teachers' Guide"),
     {120, 1080, 3075, 495},
     14.25,
     true},
    {intro0::Introduction,
     QT_TRANSLATE_NOOP("MainMenu", "Introduction"),
     {120, 2160, 3075, 375},
     12,
     true},
    {intro0::GalileosTelescope,
     QT_TRANSLATE_NOOP("MainMenu", "Galileo's Telescope"),
     {120, 2880, 3075, 375},
     12,
     false},
    {intro0::GalileosExperiments,
     QT_TRANSLATE_NOOP("MainMenu", "Galileo's Experiments"),
     {120, 3600, 3075, 375},
     12,
     false},
    {intro0::TychoAndKepler,
     QT_TRANSLATE_NOOP("MainMenu", "Tycho and Kepler"),
     {120, 4320, 3075, 375},
     12,
     false},
    {intro0::KeplerAndThePlanets,
     QT_TRANSLATE_NOOP("MainMenu", "Kepler and the Planets"),
     {120, 5040, 3075, 375},
     12,
     false},
    {intro0::SirIsaacNewton,
     QT_TRANSLATE_NOOP("MainMenu", "Sir Isaac Newton"),
     {120, 5760, 3075, 375},
     12,
     false},
    {intro0::Gravity, QT_TRANSLATE_NOOP("MainMenu", "Gravity"), {3360, 2160, 3075, 375}, 12, false},
    {intro0::Magnetism,
     QT_TRANSLATE_NOOP("MainMenu", "Magnetism"),
     {3360, 2880, 3075, 375},
     12,
     false},
    {intro0::Electricity,
     QT_TRANSLATE_NOOP("MainMenu", "Electricity"),
     {3360, 3600, 3075, 375},
     12,
     true},
    {intro0::MichaelFaraday,
     QT_TRANSLATE_NOOP("MainMenu", "Michael Faraday"),
     {3360, 4320, 3075, 375},
     12,
     true},
    {intro0::Atoms, QT_TRANSLATE_NOOP("MainMenu", "Atoms"), {3360, 5040, 3075, 375}, 12, false},
    {intro0::NuclearForces,
     QT_TRANSLATE_NOOP("MainMenu", "Nuclear Forces"),
     {3360, 5760, 3075, 375},
     12,
     false},
    {intro0::MultipleChoiceWizard,
     QT_TRANSLATE_NOOP("MainMenu", "Multiple Choice Wizard"),
     {6960, 5760, 4635, 495},
     18,
     true},
    {intro0::WorksheetCatalogue,
     QT_TRANSLATE_NOOP("MainMenu", "Worksheet Catalogue"),
     {6960, 6600, 4635, 495},
     18,
     true},
    {intro0::ClassResults,
     QT_TRANSLATE_NOOP("MainMenu", "Class Results"),
     {6960, 7320, 2235, 375},
     12,
     true},
    {intro0::Acknowledgments,
     QT_TRANSLATE_NOOP("MainMenu", "Acknowledgments"),
     {120, 7920, 3075, 495},
     14.25,
     true},
    {intro0::Exit, QT_TRANSLATE_NOOP("MainMenu", "Exit"), {10560, 7920, 1245, 495}, 18, true},
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

intro0::intro0(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    Label1 = addLabel(QCoreApplication::translate("MainMenu", "Quorvel Demo"), {0, 120, 10440, 900},
                      fonts::tahoma(32.25, true), yellow);

    for (const EntryDesign &e : Entries) {
        const QColor back = e.index == Exit ? QColor(0, 0, 192) : QColor(0, 0, 128);
        auto *entry = new LabelButton(QCoreApplication::translate("MainMenu", e.caption), e.rect,
                                      fonts::tahoma(e.points, true), this, back);
        entry->setEnabled(e.enabled);
        // The twelve topic entries start transparent; the other five start highlighted.
        const bool topic = e.index <= NuclearForces || e.index == Introduction;
        entry->setOpaque(!topic);
        const int index = e.index;
        connect(entry, &LabelButton::clicked, this, [this, index] { Label2_Click(index); });
        hover.add(entry);
        Label2[e.index] = entry;
    }

    setExitButton(Label2[Exit]);
    Image1 = new PictureBox(PictureRect, this);

    const auto option = [this](const QString &caption, QRect r) {
        auto *o = new QRadioButton(caption, this);
        o->setGeometry(twips::rect(r));
        o->setFont(fonts::tahoma(9.75, true));
        o->setAutoFillBackground(true);
        setOptionBackground(o, QColor(39, 63, 137));
        return o;
    };
    Option1 = option(QCoreApplication::translate("MainMenu", "Sound On"), {10440, 120, 1455, 255});
    Option2 = option(QCoreApplication::translate("MainMenu", "Sound Off"), {10440, 480, 1455, 255});
    Option1->setChecked(true);
    auto *group = new QButtonGroup(this);
    group->addButton(Option1);
    group->addButton(Option2);
    connect(Option1, &QRadioButton::clicked, this, &intro0::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &intro0::Option2_Click);

    readAloudSwitch = new QCheckBox(QStringLiteral("Read to me"), this);
    readAloudSwitch->setGeometry(twips::rect(10440, 840, 1455, 255));
    readAloudSwitch->setFont(fonts::tahoma(9.75, true));
    readAloudSwitch->setAutoFillBackground(true);
    setSwitchBackground(readAloudSwitch, QColor(39, 63, 137));
    connect(readAloudSwitch, &QCheckBox::toggled, this, [this](bool on) {
        ctx.readAloud.setOn(on);
        settings::setValue(QStringLiteral("ReadAloud"), on);
        ctx.readAloud.say(on ? QStringLiteral("Read to me is on.") : QString());
    });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &intro0::Timer1_Timer);

    languageChoice = addLanguageChoice(this, ctx.platform.boxes);
    hover.add(languageChoice);

    Label3 = addLabel(QCoreApplication::translate(
                          "MainMenu", "Pick a topic to explore, or open the teacher area."),
                      {0, 8220, 12000, 375}, fonts::tahoma(9.75), yellow);
}

void intro0::Form_Load()
{
    DressForm(this);
    Image1->load(ctx.platform.paths, contentnames::MenuPicture);
    setBackColor(Qt::black);
    for (QRadioButton *o : {Option1, Option2})
        setOptionBackground(o, Qt::black);
    setSwitchBackground(readAloudSwitch, Qt::black);
    const QString noVoice = ctx.readAloud.unavailable();
    readAloudSwitch->setEnabled(noVoice.isEmpty());
    readAloudSwitch->setToolTip(noVoice);
    {
        const QSignalBlocker quiet(readAloudSwitch);
        readAloudSwitch->setChecked(noVoice.isEmpty() && ctx.readAloud.isOn());
    }
    ctx.state.SoundOn = 1;
    Timer1->start();
}

void intro0::warmNext()
{
    navigation::warmHubs(ctx, devicePixelRatioF());
    navigation::warmMenuPages(ctx, devicePixelRatioF());
    navigation::buildFromMenu(ctx);
}

const QImage &intro0::picture() const
{
    return Image1->picture();
}

QString intro0::title() const
{
    return Label1->text();
}

void intro0::Label2_Click(int Index)
{
    if (!Label2[Index] || !Label2[Index]->isEnabled())
        return;
    switch (Index) {
    case Exit:
        ctx.screens.get<Titlefrm>()->showAsExitScreen();
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

void intro0::Option1_Click()
{
    ctx.state.SoundOn = 1;
}

void intro0::Option2_Click()
{
    ctx.state.SoundOn = 0;
}

void intro0::Timer1_Timer()
{
    Timer1->stop();
    const QString path = ctx.platform.paths.path(contentnames::Catalogue);
    // What a killed save left is mended once a run: recovering lists the folder, which over a
    // network share costs a round trip for every few files in it.
    if (!ctx.worksheetsRecovered) {
        catalogue::recover(path);
        ctx.worksheetsRecovered = true;
    }
    catalogue::read(path, ctx.state);
}
