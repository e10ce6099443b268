// SPDX-License-Identifier: GPL-3.0-or-later
#include "activityscreens.h"

#include "access.h"
#include "appcontext.h"
#include "contentnames.h"
#include "topics.h"
#include "twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegion>
#include <QScrollBar>
#include <QTimer>

#include <map>

using namespace activity;

namespace
{

// The magnet's scroll bar, moved by the keys as well.
class MagnetScrollBar : public QScrollBar
{
public:
    explicit MagnetScrollBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    // The arrows move the magnet a small step, Page Up and Page Down a large one.
    void keyPressEvent(QKeyEvent *event) override
    {
        static const std::map<int, SliderAction> actions = {
            {Qt::Key_Right, SliderSingleStepAdd},  {Qt::Key_Down, SliderSingleStepAdd},
            {Qt::Key_Left, SliderSingleStepSub},   {Qt::Key_Up, SliderSingleStepSub},
            {Qt::Key_PageDown, SliderPageStepAdd}, {Qt::Key_PageUp, SliderPageStepSub},
            {Qt::Key_Home, SliderToMinimum},       {Qt::Key_End, SliderToMaximum}};
        const auto it = actions.find(event->key());
        if (it == actions.end()) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        event->accept();
        triggerAction(it->second);
    }
};

QString switchName(const char *what, qint16 state)
{
    return QCoreApplication::translate("ActivityScreen", what)
        .arg(state == 1 ? QCoreApplication::translate("ActivityScreen", "on")
                        : QCoreApplication::translate("ActivityScreen", "off"));
}

} // namespace

LabellingActivity::LabellingActivity(AppContext &context, const ActivityDesign &design)
    : ActivityScreen(context, design, QStringLiteral("Labelling"))
{
}

LabellingActivity *LabellingActivity::create(AppContext &context, int topic)
{
    const ActivityDesign &design = topics::table().at(size_t(topic)).labelling();
    switch (design.experiment) {
    case Experiment::CircuitSwitch:
        return new electricitylab(context);
    case Experiment::FaradayBench:
        return new faradaylab(context);
    case Experiment::None:
        break;
    }
    return new LabellingActivity(context, design);
}

electricitylab::electricitylab(AppContext &context)
    : LabellingActivity(context, electricitylabDesign())
{
    Image1.at(0)->describe(
        switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Circuit switch: %1"), 0));
}

void electricitylab::loadContent()
{
    ctx.state.StepCounter = 0;
    ActivityScreen::loadContent();
}

void electricitylab::warmNext()
{
    ActivityScreen::warmNext();
    warm(Image1.at(0), pictures::CircuitOn);
}

void electricitylab::Image1_Click(int Index)
{
    Q_UNUSED(Index);
    toggle(ctx.state.StepCounter);
    setPicture(Image1.at(0),
               QString::fromLatin1(ctx.state.StepCounter == 1 ? pictures::CircuitOn
                                                              : pictures::CircuitOff));
    Image1.at(0)->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Circuit switch: %1"),
                                      ctx.state.StepCounter));
}

faradaylab::faradaylab(AppContext &context) : LabellingActivity(context, faradaylabDesign())
{
    // Both circuits show one picture, a bulb in series on the top wire; the bulb circuit lies over
    // the top of the compass circuit, and on the compass circuit the compass covers the dip of the
    // bottom wire and draws the wire running over it.
    Image1.at(CompassCircuit)->stackUnder(Image1.at(BulbCircuit));
    Image1.at(BulbCircuit)
        ->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Bulb circuit switch: %1"), 0));
    Image1.at(CompassCircuit)
        ->describe(
            switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Compass circuit switch: %1"), 0));

    HScroll1 = new MagnetScrollBar(this);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1->setAccessibleName(
        QCoreApplication::translate("ActivityScreen", "Magnet beside the generator circuit"));
    HScroll1->setGeometry(twips::onPicture({4920, 7440, 3255, 255}));
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

void faradaylab::warmNext()
{
    ActivityScreen::warmNext();
    warm(Image1.at(CompassCircuit), pictures::SwitchOn);
    warm(Image1.at(BulbCircuit), pictures::SwitchOn);
    warm(Image2.at(Compass), pictures::CompassOn);
    warm(Image1.at(GeneratorCircuit), pictures::GeneratorIn);
    warm(Image1.at(GeneratorCircuit), pictures::GeneratorOut);
}

void faradaylab::Image1_Click(int Index)
{
    switch (Index) {
    case CompassCircuit: {
        toggle(ctx.state.StepCounter);
        const bool on = ctx.state.StepCounter == 1;
        setPicture(Image1.at(CompassCircuit),
                   QString::fromLatin1(on ? pictures::SwitchOn : pictures::SwitchOff));
        setPicture(Image2.at(Compass),
                   QString::fromLatin1(on ? pictures::CompassOn : pictures::CompassOff));
        Image1.at(CompassCircuit)
            ->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Compass circuit switch: %1"),
                                  ctx.state.StepCounter));
        break;
    }
    case BulbCircuit:
        toggle(ctx.state.StepCounter2);
        setPicture(Image1.at(BulbCircuit),
                   QString::fromLatin1(ctx.state.StepCounter2 == 1 ? pictures::SwitchOn
                                                                   : pictures::SwitchOff));
        Image1.at(BulbCircuit)
            ->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Bulb circuit switch: %1"),
                                  ctx.state.StepCounter2));
        break;
    default:
        break;
    }
}

void faradaylab::HScroll1_Change()
{
    const int from = magnetAt;
    const int to = HScroll1->value();
    magnetAt = to;
    Image2.at(Magnet)->move(twips::px(magnetLeft(to)), twips::px(MagnetTop));
    tuckMagnetIntoCoil();
    // A current flows only while the field through the coil changes: while the magnet moves
    // near or inside it. Its direction follows the magnet's.
    if (to == from || (!magnetNearCoil(from) && !magnetNearCoil(to)))
        return;
    setPicture(Image1.at(GeneratorCircuit),
               QString::fromLatin1(to > from ? pictures::GeneratorIn : pictures::GeneratorOut));
    Timer1->start();
}

void faradaylab::tuckMagnetIntoCoil()
{
    ClickablePicture *magnet = Image2.at(Magnet);
    const QRect coil =
        twips::onPicture({CoilOpening, CoilTop, 12000 - CoilOpening, CoilBottom - CoilTop});
    const QRegion shown = QRegion(magnet->rect()) - coil.translated(-magnet->pos());
    if (shown == QRegion(magnet->rect()))
        magnet->clearMask();
    else
        magnet->setMask(shown);
}

void faradaylab::Timer1_Timer()
{
    setPicture(Image1.at(GeneratorCircuit), QString::fromLatin1(pictures::GeneratorRest));
    Timer1->stop();
}

OrderingActivity::OrderingActivity(AppContext &context, const ActivityDesign &design)
    : ActivityScreen(context, design, QStringLiteral("Ordering"))
{
    startSoundTimer = new QTimer(this);
    startSoundTimer->setInterval(50);
    connect(startSoundTimer, &QTimer::timeout, this, &OrderingActivity::playStartSound);
}

OrderingActivity *OrderingActivity::create(AppContext &context, int topic)
{
    return new OrderingActivity(context, topics::table().at(size_t(topic)).ordering());
}

void OrderingActivity::Form_Load()
{
    ActivityScreen::Form_Load();
    if (design().startSound)
        startSoundTimer->start();
}

void OrderingActivity::playStartSound()
{
    ctx.playSound(contentnames::EagleSound);
    startSoundTimer->stop();
}
