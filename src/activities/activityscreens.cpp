#include "activityscreens.h"

#include "appcontext.h"
#include "contentnames.h"
#include "twips.h"

#include <QScrollBar>
#include <QTimer>

using namespace activity;

introductionlab::introductionlab(AppContext &context)
    : ActivityScreen(context, introductionlabDesign())
{
}

electricitylab::electricitylab(AppContext &context)
    : ActivityScreen(context, electricitylabDesign())
{
}

void electricitylab::loadContent()
{
    ctx.state.StepCounter = 0;
    ActivityScreen::loadContent();
}

void electricitylab::Image1_Click(int Index)
{
    Q_UNUSED(Index);
    toggle(ctx.state.StepCounter);
    setPicture(picture(QStringLiteral("Image1"), 0),
               QString::fromLatin1(ctx.state.StepCounter == 1 ? pictures::CircuitOn
                                                              : pictures::CircuitOff));
}

faradaylab::faradaylab(AppContext &context) : ActivityScreen(context, faradaylabDesign())
{
    // Both circuits show one picture, whose bulb hangs below the loop where the two frames
    // overlap: the bulb circuit lies over the compass circuit, so the bulb shows on the bulb
    // circuit only, and on the compass circuit the compass covers that part with the wire running
    // over it.
    picture(QStringLiteral("Image1"), CompassCircuit)
        ->stackUnder(picture(QStringLiteral("Image1"), BulbCircuit));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(twips::rect(4920, 7440, 3255, 255));
    HScroll1->setRange(0, 100);
    HScroll1->setSingleStep(2);
    HScroll1->setPageStep(10);
    connect(HScroll1, &QScrollBar::valueChanged, this, &faradaylab::HScroll1_Change);

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &faradaylab::Timer1_Timer);
}

void faradaylab::loadContent()
{
    ctx.state.StepCounter2 = 0;
    ctx.state.StepCounter = 0;
    ActivityScreen::loadContent();
}

void faradaylab::Image1_Click(int Index)
{
    const QString image1 = QStringLiteral("Image1");
    switch (Index) {
    case CompassCircuit: {
        toggle(ctx.state.StepCounter);
        const bool on = ctx.state.StepCounter == 1;
        setPicture(picture(image1, CompassCircuit),
                   QString::fromLatin1(on ? pictures::SwitchOn : pictures::SwitchOff));
        setPicture(picture(QStringLiteral("Image2"), Compass),
                   QString::fromLatin1(on ? pictures::CompassOn : pictures::CompassOff));
        break;
    }
    case BulbCircuit:
        toggle(ctx.state.StepCounter2);
        setPicture(picture(image1, BulbCircuit),
                   QString::fromLatin1(ctx.state.StepCounter2 == 1 ? pictures::SwitchOn
                                                                   : pictures::SwitchOff));
        break;
    default:
        break;
    }
}

void faradaylab::HScroll1_Change()
{
    ClickablePicture *magnet = picture(QStringLiteral("Image2"), Magnet);
    magnet->move(twips::px(magnetLeft(HScroll1->value())), twips::px(MagnetTop));
    setPicture(picture(QStringLiteral("Image1"), GeneratorCircuit),
               QString::fromLatin1(pictures::GeneratorMoving));
    Timer1->start();
}

void faradaylab::Timer1_Timer()
{
    setPicture(picture(QStringLiteral("Image1"), GeneratorCircuit),
               QString::fromLatin1(pictures::GeneratorRest));
    Timer1->stop();
}

SoundedOrdering::SoundedOrdering(AppContext &context, const ActivityDesign &design)
    : ActivityScreen(context, design)
{
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &SoundedOrdering::Timer1_Timer);
}

void SoundedOrdering::Form_Load()
{
    ActivityScreen::Form_Load();
    Timer1->start();
}

void SoundedOrdering::Timer1_Timer()
{
    ctx.playSound(contentnames::EagleSound);
    Timer1->stop();
}

introductionord::introductionord(AppContext &context)
    : SoundedOrdering(context, introductionordDesign())
{
}

electricityord::electricityord(AppContext &context)
    : ActivityScreen(context, electricityordDesign())
{
}

faradayord::faradayord(AppContext &context) : SoundedOrdering(context, faradayordDesign()) {}
