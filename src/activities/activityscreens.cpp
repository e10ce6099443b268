// SPDX-License-Identifier: GPL-3.0-or-later
#include "activityscreens.h"

#include "access.h"
#include "appcontext.h"
#include "contentnames.h"
#include "controlnames.h"
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
        return new CircuitLabelling(context);
    case Experiment::FaradayBench:
        return new FaradayLabelling(context);
    case Experiment::None:
        break;
    }
    return new LabellingActivity(context, design);
}

CircuitLabelling::CircuitLabelling(AppContext &context)
    : LabellingActivity(context, electricitylabDesign())
{
    backPictures.at(0)->describe(
        switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Circuit switch: %1"), 0));
}

void CircuitLabelling::loadContent()
{
    ctx.state.firstSwitch = 0;
    ActivityScreen::loadContent();
}

void CircuitLabelling::warmNext()
{
    ActivityScreen::warmNext();
    warm(backPictures.at(0), pictures::CircuitOn);
}

void CircuitLabelling::pictureClicked(int Index)
{
    Q_UNUSED(Index);
    toggle(ctx.state.firstSwitch);
    setPicture(backPictures.at(0),
               QString::fromLatin1(ctx.state.firstSwitch == 1 ? pictures::CircuitOn
                                                              : pictures::CircuitOff));
    backPictures.at(0)->describe(switchName(
        QT_TRANSLATE_NOOP("ActivityScreen", "Circuit switch: %1"), ctx.state.firstSwitch));
}

FaradayLabelling::FaradayLabelling(AppContext &context)
    : LabellingActivity(context, faradaylabDesign())
{
    // Both circuits show one picture, a bulb in series on the top wire; the bulb circuit lies over
    // the top of the compass circuit, and on the compass circuit the compass covers the dip of the
    // bottom wire and draws the wire running over it.
    backPictures.at(CompassCircuit)->stackUnder(backPictures.at(BulbCircuit));
    backPictures.at(BulbCircuit)
        ->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Bulb circuit switch: %1"), 0));
    backPictures.at(CompassCircuit)
        ->describe(
            switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Compass circuit switch: %1"), 0));

    magnetSlider = new MagnetScrollBar(this);
    magnetSlider->setFocusPolicy(Qt::StrongFocus);
    magnetSlider->setAccessibleName(
        QCoreApplication::translate("ActivityScreen", "Magnet beside the generator circuit"));
    magnetSlider->setGeometry(twips::onPicture({4920, 7440, 3255, 255}));
    magnetSlider->setRange(0, 100);
    magnetSlider->setSingleStep(2);
    magnetSlider->setPageStep(10);
    connect(magnetSlider, &QScrollBar::valueChanged, this, &FaradayLabelling::magnetMoved);

    generatorTimer = new QTimer(this);
    generatorTimer->setInterval(50);
    connect(generatorTimer, &QTimer::timeout, this, &FaradayLabelling::generatorAtRest);

    controlnames::name({{magnetSlider, "magnetSlider"}, {generatorTimer, "generatorTimer"}});
}

void FaradayLabelling::loadContent()
{
    ctx.state.secondSwitch = 0;
    ctx.state.firstSwitch = 0;
    ActivityScreen::loadContent();
}

void FaradayLabelling::warmNext()
{
    ActivityScreen::warmNext();
    warm(backPictures.at(CompassCircuit), pictures::SwitchOn);
    warm(backPictures.at(BulbCircuit), pictures::SwitchOn);
    warm(frontPictures.at(Compass), pictures::CompassOn);
    warm(backPictures.at(GeneratorCircuit), pictures::GeneratorIn);
    warm(backPictures.at(GeneratorCircuit), pictures::GeneratorOut);
}

void FaradayLabelling::pictureClicked(int Index)
{
    switch (Index) {
    case CompassCircuit: {
        toggle(ctx.state.firstSwitch);
        const bool on = ctx.state.firstSwitch == 1;
        setPicture(backPictures.at(CompassCircuit),
                   QString::fromLatin1(on ? pictures::SwitchOn : pictures::SwitchOff));
        setPicture(frontPictures.at(Compass),
                   QString::fromLatin1(on ? pictures::CompassOn : pictures::CompassOff));
        backPictures.at(CompassCircuit)
            ->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Compass circuit switch: %1"),
                                  ctx.state.firstSwitch));
        break;
    }
    case BulbCircuit:
        toggle(ctx.state.secondSwitch);
        setPicture(backPictures.at(BulbCircuit),
                   QString::fromLatin1(ctx.state.secondSwitch == 1 ? pictures::SwitchOn
                                                                   : pictures::SwitchOff));
        backPictures.at(BulbCircuit)
            ->describe(switchName(QT_TRANSLATE_NOOP("ActivityScreen", "Bulb circuit switch: %1"),
                                  ctx.state.secondSwitch));
        break;
    default:
        break;
    }
}

void FaradayLabelling::magnetMoved()
{
    const int from = magnetAt;
    const int to = magnetSlider->value();
    magnetAt = to;
    frontPictures.at(Magnet)->move(twips::px(magnetLeft(to)), twips::px(MagnetTop));
    tuckMagnetIntoCoil();
    // A current flows only while the field through the coil changes: while the magnet moves
    // near or inside it. Its direction follows the magnet's.
    if (to == from || (!magnetNearCoil(from) && !magnetNearCoil(to)))
        return;
    setPicture(backPictures.at(GeneratorCircuit),
               QString::fromLatin1(to > from ? pictures::GeneratorIn : pictures::GeneratorOut));
    generatorTimer->start();
}

void FaradayLabelling::tuckMagnetIntoCoil()
{
    ClickablePicture *magnet = frontPictures.at(Magnet);
    const QRect coil =
        twips::onPicture({CoilOpening, CoilTop, 12000 - CoilOpening, CoilBottom - CoilTop});
    const QRegion shown = QRegion(magnet->rect()) - coil.translated(-magnet->pos());
    if (shown == QRegion(magnet->rect()))
        magnet->clearMask();
    else
        magnet->setMask(shown);
}

void FaradayLabelling::generatorAtRest()
{
    setPicture(backPictures.at(GeneratorCircuit), QString::fromLatin1(pictures::GeneratorRest));
    generatorTimer->stop();
}

OrderingActivity::OrderingActivity(AppContext &context, const ActivityDesign &design)
    : ActivityScreen(context, design, QStringLiteral("Ordering"))
{
    startSoundTimer = new QTimer(this);
    startSoundTimer->setInterval(50);
    connect(startSoundTimer, &QTimer::timeout, this, &OrderingActivity::playStartSound);

    controlnames::name({{startSoundTimer, "startSoundTimer"}});
}

OrderingActivity *OrderingActivity::create(AppContext &context, int topic)
{
    return new OrderingActivity(context, topics::table().at(size_t(topic)).ordering());
}

void OrderingActivity::load()
{
    ActivityScreen::load();
    if (design().startSound)
        startSoundTimer->start();
}

void OrderingActivity::playStartSound()
{
    ctx.playSound(contentnames::EagleSound);
    startSoundTimer->stop();
}
