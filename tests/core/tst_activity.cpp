// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity.h"
#include "activitydata.h"
#include "appstate.h"

#include <QTest>

using namespace activity;

Q_DECLARE_METATYPE(activity::TwipRect)

namespace
{

// Puts label i on target box k, as a snap would.
void placeOn(Engine &e, int i, int k)
{
    TwipRect l = e.label(i);
    l.Left = e.target(k).Left;
    l.Top = e.target(k).Top;
    e.setLabel(i, l);
}

void placeAt(Engine &e, int i, float left, float top)
{
    TwipRect l = e.label(i);
    l.Left = left;
    l.Top = top;
    e.setLabel(i, l);
}

int indexOf(const ActivityDesign &d, const QString &text)
{
    for (int i = 0; i < d.count(); ++i) {
        if (d.items[size_t(i)].text == text)
            return i;
    }
    return -1;
}

} // namespace

class TestActivity : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dropZone_data();
    void dropZone();
    void dragStep_data();
    void dragStep();
    void dropPassOrder_data();
    void dropPassOrder();
    void keyboardSteps_data();
    void keyboardSteps();
    void releaseOnDesignScreen_data();
    void releaseOnDesignScreen();
    void holdAndPutDown();
    void checkScoreAppears_data();
    void checkScoreAppears();
    void checkScoreStaysAfterDraggingOff();
    void buttonsResetScore_data();
    void buttonsResetScore();
    void groupedScoring_data();
    void groupedScoring();
    void toggleSwitch_data();
    void toggleSwitch();
    void magnetPosition_data();
    void magnetPosition();
};

void TestActivity::dropZone_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("inside");
    // Target box 0 of electricitylab: 2760, 2880, 1440 x 495. Zone: 2040 < L < 4200,
    // 2632.5 < T < 3375.
    QTest::newRow("example 2100, 2700") << 2100.f << 2700.f << true;
    QTest::newRow("example 2000") << 2000.f << 2700.f << false;
    QTest::newRow("left edge") << 2040.f << 2900.f << false;
    QTest::newRow("just inside left edge") << 2040.5f << 2900.f << true;
    QTest::newRow("right edge") << 4200.f << 2900.f << false;
    QTest::newRow("just inside right edge") << 4199.5f << 2900.f << true;
    QTest::newRow("top edge") << 2800.f << 2632.5f << false;
    QTest::newRow("just inside top edge") << 2800.f << 2633.f << true;
    QTest::newRow("bottom edge") << 2800.f << 3375.f << false;
    QTest::newRow("just inside bottom edge") << 2800.f << 3374.5f << true;
    QTest::newRow("exactly on the box") << 2760.f << 2880.f << true;
    QTest::newRow("centre over box, corner outside") << 1500.f << 2900.f << false;
}

void TestActivity::dropZone()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(bool, inside);
    const TwipRect box{2760, 2880, 1440, 495};
    QCOMPARE(inDropZone({left, top, 1440, 495}, box), inside);
}

void TestActivity::dragStep_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left") << int(LeftButton) << true;
    QTest::newRow("none") << 0 << false;
    QTest::newRow("right") << int(RightButton) << false;
    QTest::newRow("middle") << int(MiddleButton) << false;
    QTest::newRow("left and right") << int(LeftButton | RightButton) << false;
    QTest::newRow("left and middle") << int(LeftButton | MiddleButton) << false;
}

void TestActivity::dragStep()
{
    QFETCH(int, buttons);
    QFETCH(bool, moves);
    TwipRect label{1000, 2000, 1605, 375};
    // Pointer 5000 twips right of and 3000 below the label's corner: the centre goes there.
    QCOMPARE(drag(label, buttons, 5000, 3000), moves);
    if (moves) {
        QCOMPARE(label.Left + label.Width / 2, 6000.f);
        QCOMPARE(label.Top + label.Height / 2, 5000.f);
        // Not clamped to the window.
        QVERIFY(drag(label, buttons, -20000, -20000));
        QVERIFY(label.Left < 0 && label.Top < 0);
    } else {
        QCOMPARE(label, (TwipRect{1000, 2000, 1605, 375}));
    }
}

void TestActivity::dropPassOrder_data()
{
    QTest::addColumn<TwipRect>("target0");
    QTest::addColumn<TwipRect>("start0");
    QTest::addColumn<TwipRect>("target1");
    QTest::addColumn<TwipRect>("release");
    QTest::addColumn<TwipRect>("expected");
    QTest::addColumn<int>("snaps");
    const TwipRect far{20000, 20000, 1000, 400};
    // Label 0 is released; label 1 sits far away on its start box.
    QTest::newRow("later target wins")
        << TwipRect{1000, 1000, 1000, 400} << far << TwipRect{1400, 1000, 1000, 400}
        << TwipRect{1300, 1100, 1000, 400} << TwipRect{1400, 1000, 1000, 400} << 2;
    QTest::newRow("snap moves it out of a later zone")
        << TwipRect{1000, 1000, 1000, 400} << far << TwipRect{2100, 1000, 1000, 400}
        << TwipRect{1900, 1100, 1000, 400} << TwipRect{1000, 1000, 1000, 400} << 1;
    QTest::newRow("snap moves it into a later zone")
        << TwipRect{1000, 1000, 1000, 400} << far << TwipRect{1200, 1000, 1000, 400}
        << TwipRect{600, 1100, 1000, 400} << TwipRect{1200, 1000, 1000, 400} << 2;
    QTest::newRow("start box after its target")
        << TwipRect{1000, 1000, 1000, 400} << TwipRect{1100, 1100, 1000, 400} << far
        << TwipRect{1050, 1050, 1000, 400} << TwipRect{1100, 1100, 1000, 400} << 2;
    QTest::newRow("outside every zone")
        << TwipRect{1000, 1000, 1000, 400} << far << TwipRect{4000, 1000, 1000, 400}
        << TwipRect{300, 300, 1000, 400} << TwipRect{300, 300, 1000, 400} << 0;
}

void TestActivity::dropPassOrder()
{
    QFETCH(TwipRect, target0);
    QFETCH(TwipRect, start0);
    QFETCH(TwipRect, target1);
    QFETCH(TwipRect, release);
    QFETCH(TwipRect, expected);
    QFETCH(int, snaps);
    Engine e({target0, target1}, {start0, {30000, 30000, 1000, 400}}, Scoring::OneToOne);
    e.setLabel(0, release);
    QCOMPARE(e.drop(0), snaps);
    QCOMPARE(e.label(0), expected);
    QVERIFY(!e.checkScoreShown());
}

void TestActivity::releaseOnDesignScreen_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("endLeft");
    QTest::addColumn<float>("endTop");
    QTest::addColumn<int>("snaps");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("box"); // the drop box a click or the keys reach it by, -1: none
    // electricitylab label 0 ("battery"); its box is 2760, 2880, its start box 8280, 7200.
    // Drop boxes: targets 0 to 3, then start boxes 4 to 7.
    QTest::newRow("into its box") << 2100.f << 2700.f << 2760.f << 2880.f << 1 << 1 << 0;
    QTest::newRow("just short of its box") << 2000.f << 2700.f << 2000.f << 2700.f << 0 << 0 << -1;
    QTest::newRow("back on its start box") << 8000.f << 7100.f << 8280.f << 7200.f << 1 << 0 << 4;
    QTest::newRow("onto another's box") << 5500.f << 3600.f << 5880.f << 3720.f << 1 << 0 << 1;
    QTest::newRow("onto another's start box")
        << 9800.f << 6500.f << 9840.f << 6600.f << 1 << 0 << 7;
}

void TestActivity::releaseOnDesignScreen()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, endLeft);
    QFETCH(float, endTop);
    QFETCH(int, snaps);
    QFETCH(int, score);
    QFETCH(int, box);
    Engine e = electricitylabDesign().engine();
    placeAt(e, 0, left, top);
    QCOMPARE(e.drop(0), snaps);
    QCOMPARE(e.label(0).Left, endLeft);
    QCOMPARE(e.label(0).Top, endTop);
    QCOMPARE(e.score(), score);
    if (box < 0)
        return;

    // The same landing by click-then-click, by Right/Down presses and by Left/Up presses.
    for (const int way : {0, 1, -1}) {
        Engine k = electricitylabDesign().engine();
        k.pickUp(0);
        if (way != 0) {
            for (int p = 0; p < 8 && k.steppedTo() != box; ++p)
                k.step(way);
            QCOMPARE(k.steppedTo(), box);
            QCOMPARE(k.label(0).Left, endLeft); // shown at the box before it is dropped
        }
        QCOMPARE(k.place(box), snaps);
        QCOMPARE(k.held(), -1);
        QCOMPARE(k.label(0).Left, endLeft);
        QCOMPARE(k.label(0).Top, endTop);
        QCOMPARE(k.score(), score);
    }
}

void TestActivity::keyboardSteps_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("box");
    QTest::addColumn<QPointF>("shownAt");
    // Electricity labelling in reading order: target boxes 3, 2, 0, 1 (the bulb's at the top),
    // then start boxes 5, 7, 4, 6.
    QTest::newRow("first step forwards: the top target box")
        << QList<int>{+1} << 3 << QPointF(7800, 720);
    QTest::newRow("forwards through the targets top to bottom")
        << QList<int>{+1, +1, +1, +1} << 1 << QPointF(5880, 3720);
    QTest::newRow("first step back: the last start box, bottom right")
        << QList<int>{-1} << 6 << QPointF(9840, 7200);
    QTest::newRow("on from the last start box wraps to the top target box")
        << QList<int>{-1, +1} << 3 << QPointF(7800, 720);
    QTest::newRow("back from the top target box wraps to the last start box")
        << QList<int>{+1, -1} << 6 << QPointF(9840, 7200);
}

void TestActivity::keyboardSteps()
{
    QFETCH(QList<int>, steps);
    QFETCH(int, box);
    QFETCH(QPointF, shownAt);
    Engine e = electricitylabDesign().engine();
    e.pickUp(1);
    for (int way : steps)
        e.step(way);
    QCOMPARE(e.steppedTo(), box);
    QCOMPARE(QPointF(e.label(1).Left, e.label(1).Top), shownAt);
}

void TestActivity::holdAndPutDown()
{
    Engine e = electricitylabDesign().engine();
    e.pickUp(1);
    e.step(+1);
    e.putDown(); // Escape: back where it was picked up, nothing placed
    QCOMPARE(e.label(1), e.start(1));
    QCOMPARE(e.held(), -1);
    QCOMPARE(e.step(+1), -1);

    // Picking up another label puts the first one down; placing every label shows "Check Score".
    e.pickUp(0);
    e.step(+1);
    e.pickUp(2);
    QCOMPARE(e.label(0), e.start(0));
    for (int i = 0; i < e.count(); ++i) {
        e.pickUp(i);
        e.place(i);
    }
    QVERIFY(e.checkScoreShown());
    QCOMPARE(e.score(), 4);
}

void TestActivity::checkScoreAppears_data()
{
    QTest::addColumn<QList<int>>("boxes"); // target box of each label, -1: left at its start
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("score");
    QTest::newRow("all right") << QList<int>{0, 1, 2, 3} << true << 4;
    QTest::newRow("full but all wrong") << QList<int>{1, 2, 3, 0} << true << 0;
    QTest::newRow("two swapped") << QList<int>{1, 0, 2, 3} << true << 2;
    QTest::newRow("two labels in one box") << QList<int>{0, 0, 2, 3} << true << 3;
    QTest::newRow("one still at its start") << QList<int>{0, 1, 2, -1} << false << 3;
    QTest::newRow("none placed") << QList<int>{-1, -1, -1, -1} << false << 0;
}

void TestActivity::checkScoreAppears()
{
    QFETCH(QList<int>, boxes);
    QFETCH(bool, shown);
    QFETCH(int, score);
    Engine e = electricitylabDesign().engine();
    int last = 0;
    for (int i = 0; i < boxes.size(); ++i) {
        if (boxes[i] >= 0) {
            // Released a little up and left of the box, inside its zone.
            placeAt(e, i, e.target(boxes[i]).Left - 100, e.target(boxes[i]).Top - 100);
            QCOMPARE(e.drop(i), 1);
            last = i;
        }
    }
    e.drop(last);
    QCOMPARE(e.checkScoreShown(), shown);
    QCOMPARE(e.everyLabelOnATarget(), shown);
    QCOMPARE(e.score(), score);

    AppState state;
    e.press(CheckScoreButton, state);
    QCOMPARE(int(state.score), score);
    QCOMPARE(int(state.outOf), 4);
}

void TestActivity::checkScoreStaysAfterDraggingOff()
{
    Engine e = introductionordDesign().engine();
    for (int i = 0; i < e.count(); ++i) {
        placeOn(e, i, i);
        e.drop(i);
    }
    QVERIFY(e.checkScoreShown());
    AppState state;
    e.press(CheckScoreButton, state);
    QCOMPARE(int(state.score), 4);

    // Drag label 2 off its box to the middle of the window and let go there.
    QVERIFY(e.move(2, LeftButton, 100, 100));
    placeAt(e, 2, 4000, 6000);
    QCOMPARE(e.drop(2), 0);
    QVERIFY(!e.everyLabelOnATarget());
    QVERIFY(e.checkScoreShown());
    e.press(CheckScoreButton, state);
    QCOMPARE(int(state.score), 3);
    // Pressed again without changes: the same score.
    e.press(CheckScoreButton, state);
    QCOMPARE(int(state.score), 3);

    e.startAgain();
    QVERIFY(!e.checkScoreShown());
    for (int i = 0; i < e.count(); ++i)
        QCOMPARE(e.label(i), e.start(i));
}

void TestActivity::buttonsResetScore_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("arrangementKept");
    QTest::newRow("Exit") << int(ExitButton) << true;
    QTest::newRow("Start Again") << int(StartAgainButton) << false;
}

void TestActivity::buttonsResetScore()
{
    QFETCH(int, button);
    QFETCH(bool, arrangementKept);
    Engine e = faradayordDesign().engine();
    for (int i = 0; i < e.count(); ++i) {
        placeOn(e, i, i);
        e.drop(i);
    }
    AppState state;
    e.press(CheckScoreButton, state);
    QCOMPARE(int(state.score), 6);
    QCOMPARE(int(state.outOf), 6);
    e.press(button, state);
    QCOMPARE(int(state.score), 0);
    QCOMPARE(int(state.outOf), 6);
    QCOMPARE(e.checkScoreShown(), arrangementKept);
    QCOMPARE(e.label(0) == e.target(0), arrangementKept);
}

void TestActivity::groupedScoring_data()
{
    const ActivityDesign &d = electricityordDesign();
    QTest::addColumn<QStringList>("order"); // the label put on target box i, for i = 0..9
    QTest::addColumn<int>("score");
    QStringList right;
    for (const ItemDesign &item : d.items)
        right << item.text;
    QTest::newRow("as designed") << right << 10;
    QTest::newRow("copper and steel swapped")
        << QStringList{"Wood",   "Plastic",  "Rubber",    "Glass", "Wool",
                       "Silver", "Graphite", "Saltwater", "Steel", "Copper"}
        << 10;
    QTest::newRow("each column reversed")
        << QStringList{"Wool",  "Glass",     "Rubber",   "Plastic", "Wood",
                       "Steel", "Saltwater", "Graphite", "Copper",  "Silver"}
        << 10;
    QTest::newRow("copper in an insulator box, wood in a conductor box")
        << QStringList{"Copper", "Plastic",  "Rubber",    "Glass", "Wool",
                       "Silver", "Graphite", "Saltwater", "Wood",  "Steel"}
        << 8;
    QTest::newRow("columns swapped")
        << QStringList{"Silver", "Graphite", "Saltwater", "Copper", "Steel",
                       "Wood",   "Plastic",  "Rubber",    "Glass",  "Wool"}
        << 0;
}

void TestActivity::groupedScoring()
{
    QFETCH(QStringList, order);
    QFETCH(int, score);
    const ActivityDesign &d = electricityordDesign();
    Engine e = d.engine();
    for (int box = 0; box < order.size(); ++box) {
        const int label = indexOf(d, order[box]);
        QVERIFY(label >= 0);
        placeAt(e, label, e.target(box).Left + 10, e.target(box).Top + 10);
        QCOMPARE(e.drop(label), 1);
    }
    QVERIFY(e.checkScoreShown());
    QCOMPARE(e.score(), score);
}

void TestActivity::toggleSwitch_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("off") << 0 << 1;
    QTest::newRow("on") << 1 << 0;
    // A value left by another screen counts as off.
    QTest::newRow("logo frame 7") << 7 << 1;
    QTest::newRow("negative") << -1 << 1;
}

void TestActivity::toggleSwitch()
{
    QFETCH(int, before);
    QFETCH(int, after);
    qint16 state = qint16(before);
    toggle(state);
    QCOMPARE(int(state), after);
}

void TestActivity::magnetPosition_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("left");
    QTest::newRow("0") << 0 << 4080;
    QTest::newRow("50") << 50 << 5280;
    QTest::newRow("100") << 100 << 6480;
}

void TestActivity::magnetPosition()
{
    QFETCH(int, value);
    QFETCH(int, left);
    QCOMPARE(magnetLeft(value), left);
}

QTEST_GUILESS_MAIN(TestActivity)
#include "tst_activity.moc"
