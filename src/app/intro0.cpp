// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro0.h"

#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "dressform.h"
#include "fonts.h"
#include "labelbutton.h"
#include "navigation.h"
#include "picturebox.h"
#include "titlefrm.h"
#include "twips.h"

#include <QButtonGroup>
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
    {intro0::TeachersGuide, "Teachers' Guide", {120, 1080, 3075, 495}, 14.25, true},
    {intro0::Introduction, "Introduction", {120, 2160, 3075, 375}, 12, true},
    {intro0::GalileosTelescope, "Galileo's Telescope", {120, 2880, 3075, 375}, 12, false},
    {intro0::GalileosExperiments, "Galileo's Experiments", {120, 3600, 3075, 375}, 12, false},
    {intro0::TychoAndKepler, "Tycho and Kepler", {120, 4320, 3075, 375}, 12, false},
    {intro0::KeplerAndThePlanets, "Kepler and the Planets", {120, 5040, 3075, 375}, 12, false},
    {intro0::SirIsaacNewton, "Sir Isaac Newton", {120, 5760, 3075, 375}, 12, false},
    {intro0::Gravity, "Gravity", {3360, 2160, 3075, 375}, 12, false},
    {intro0::Magnetism, "Magnetism", {3360, 2880, 3075, 375}, 12, false},
    {intro0::Electricity, "Electricity", {3360, 3600, 3075, 375}, 12, true},
    {intro0::MichaelFaraday, "Michael Faraday", {3360, 4320, 3075, 375}, 12, true},
    {intro0::Atoms, "Atoms", {3360, 5040, 3075, 375}, 12, false},
    {intro0::NuclearForces, "Nuclear Forces", {3360, 5760, 3075, 375}, 12, false},
    {intro0::MultipleChoiceWizard, "Multiple Choice Wizard", {6960, 5760, 4635, 495}, 18, true},
    {intro0::WorksheetCatalogue, "Worksheet Catalogue", {6960, 6600, 4635, 495}, 18, true},
    {intro0::ClassResults, "Class Results", {6960, 7440, 3435, 375}, 14.25, true},
    {intro0::Acknowledgments, "Acknowledgments", {120, 7920, 3075, 495}, 14.25, true},
    {intro0::Exit, "Exit", {10560, 7920, 1245, 495}, 18, true},
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

} // namespace

intro0::intro0(AppContext &context) : Screen(context)
{
    const QColor yellow(255, 255, 0);
    Label1 = addLabel(QStringLiteral("Quorvel Demo"), {0, 120, 10440, 900},
                      fonts::tahoma(32.25, true), yellow);

    for (const EntryDesign &e : Entries) {
        const QColor back = e.index == Exit ? QColor(0, 0, 192) : QColor(0, 0, 128);
        auto *entry = new LabelButton(QString::fromUtf8(e.caption), e.rect,
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
    Option1 = option(QStringLiteral("Sound On"), {10440, 120, 1455, 255});
    Option2 = option(QStringLiteral("Sound Off"), {10440, 480, 1455, 255});
    Option1->setChecked(true);
    auto *group = new QButtonGroup(this);
    group->addButton(Option1);
    group->addButton(Option2);
    connect(Option1, &QRadioButton::clicked, this, &intro0::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &intro0::Option2_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &intro0::Timer1_Timer);

    Label3 = addLabel(QStringLiteral("Pick a topic to explore, or open the teacher area."),
                      {0, 8220, 12000, 375}, fonts::tahoma(9.75), yellow);
}

void intro0::Form_Load()
{
    DressForm(this);
    Image1->load(ctx.platform.paths, contentnames::MenuPicture);
    setBackColor(Qt::black);
    for (QRadioButton *o : {Option1, Option2})
        setOptionBackground(o, Qt::black);
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
