// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activityscreen.h"

class QScrollBar;
class QTimer;

// The six activity screens. Each is its own class so that the screen registry keeps one of
// each; the content comes from the designs in activitydata.h.

class introductionlab : public ActivityScreen
{
    Q_OBJECT
public:
    explicit introductionlab(AppContext &ctx);
};

// The circuit picture behind the boxes switches on and off when clicked.
class electricitylab : public ActivityScreen
{
    Q_OBJECT
public:
    explicit electricitylab(AppContext &ctx);
    void Image1_Click(int Index) override;

protected:
    void loadContent() override;
    void warmNext() override;
};

// A bulb circuit and a compass circuit that switch on and off, and a magnet moved by a scroll
// bar into and out of a generator coil whose meter swings one way for a moment after each move
// in and the other way after each move out; the needle stays at zero while the magnet is away
// from the coil.
class faradaylab : public ActivityScreen
{
    Q_OBJECT
public:
    enum Picture { BulbCircuit = 0, IronFilings = 1, CompassCircuit = 2, GeneratorCircuit = 3 };
    enum Picture2 { Compass = 0, Magnet = 1 };

    explicit faradaylab(AppContext &ctx);
    void Image1_Click(int Index) override;
    void HScroll1_Change();
    void Timer1_Timer();

    QScrollBar *HScroll1;
    QTimer *Timer1;

protected:
    void loadContent() override;
    void warmNext() override;

private:
    // Hides the part of the magnet that has gone into the coil, so the windings show in front.
    void tuckMagnetIntoCoil();

    int magnetAt = 0; // the scroll-bar value the magnet was last drawn at
};

// An ordering screen that plays its start sound once, shortly after it loads.
class SoundedOrdering : public ActivityScreen
{
    Q_OBJECT
public:
    SoundedOrdering(AppContext &ctx, const activity::ActivityDesign &design);
    void Form_Load() override;
    void Timer1_Timer();

    QTimer *Timer1;
};

class introductionord : public SoundedOrdering
{
    Q_OBJECT
public:
    explicit introductionord(AppContext &ctx);
};

class electricityord : public ActivityScreen
{
    Q_OBJECT
public:
    explicit electricityord(AppContext &ctx);
};

class faradayord : public SoundedOrdering
{
    Q_OBJECT
public:
    explicit faradayord(AppContext &ctx);
};
