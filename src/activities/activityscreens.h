// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activityscreen.h"

class QScrollBar;
class QTimer;

// The two kinds of activity screen. Each topic has one of each, made from the designs its row
// of the topic table names (topics.h); the screen registry keeps one per topic.

class LabellingActivity : public ActivityScreen
{
    Q_OBJECT
public:
    // The topic's labelling screen, with the experiment its design has.
    static LabellingActivity *create(AppContext &ctx, int topic);

protected:
    LabellingActivity(AppContext &ctx, const activity::ActivityDesign &design);
};

// Plays its start sound once, shortly after it loads, when its design has one.
class OrderingActivity : public ActivityScreen
{
    Q_OBJECT
public:
    static OrderingActivity *create(AppContext &ctx, int topic);
    void load() override;
    void playStartSound();

private:
    QTimer *startSoundTimer;

    OrderingActivity(AppContext &ctx, const activity::ActivityDesign &design);
};

// The circuit picture behind the boxes switches on and off when clicked.
class CircuitLabelling : public LabellingActivity
{
    Q_OBJECT
public:
    explicit CircuitLabelling(AppContext &ctx);
    void pictureClicked(int Index) override;

protected:
    void loadContent() override;
    void warmNext() override;
};

// A bulb circuit and a compass circuit that switch on and off, and a magnet moved by a scroll
// bar into and out of a generator coil whose meter swings one way for a moment after each move
// in and the other way after each move out; the needle stays at zero while the magnet is away
// from the coil.
class FaradayLabelling : public LabellingActivity
{
    Q_OBJECT
public:
    enum Picture { BulbCircuit = 0, IronFilings = 1, CompassCircuit = 2, GeneratorCircuit = 3 };
    enum FrontPicture { Compass = 0, Magnet = 1 };

    explicit FaradayLabelling(AppContext &ctx);
    void pictureClicked(int Index) override;
    void magnetMoved();
    void generatorAtRest();

protected:
    void loadContent() override;
    void warmNext() override;

private:
    QScrollBar *magnetSlider;
    QTimer *generatorTimer;

    // Hides the part of the magnet that has gone into the coil, so the windings show in front.
    void tuckMagnetIntoCoil();

    int magnetAt = 0; // the scroll-bar value the magnet was last drawn at
};
