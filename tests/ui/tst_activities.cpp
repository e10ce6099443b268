// SPDX-License-Identifier: GPL-3.0-or-later
#include "activityscreen.h"
#include "uitest.h"

#include "activityscreens.h"
#include "labelbutton.h"
#include "navigation.h"
#include "resultsscreen.h"
#include "topics.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

using namespace activity;

namespace
{

const QString Thud = QStringLiteral("wav\\thud3.wav");
const QString Click = QStringLiteral("wav\\click.wav");
const QString Eagle = QStringLiteral("wav\\eagle6.wav");

ActivityScreen *open(Harness &h, const QString &name, const QString &title)
{
    for (int topic = 0; topic < int(topics::table().size()); ++topic) {
        const topics::Topic &row = topics::table()[size_t(topic)];
        if (row.labelling().name == name) {
            navigation::openLabelling(*h.ctx, topic, title);
            return h.ctx->screens.loaded<LabellingActivity>(topic);
        }
        if (row.ordering().name == name) {
            navigation::openOrdering(*h.ctx, topic, title);
            return h.ctx->screens.loaded<OrderingActivity>(topic);
        }
    }
    return nullptr;
}

QPoint px(float left, float top)
{
    return QPoint(twips::px(int(left)), twips::px(int(top)));
}

// Drags label i with real mouse events: press at its centre, move in steps until its centre is
// at `to` (window pixels), release there.
void mouseDrag(ActivityScreen *s, int i, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    DragLabel *label = control<DragLabel>(s, "dragLabels", i);
    const QPoint from = label->geometry().center();
    QTest::mousePress(label, button, {}, label->mapFrom(s, from));
    for (int step = 1; step <= 4; ++step) {
        const QPoint p = from + (to - from) * step / 4;
        QTest::mouseMove(label, label->mapFrom(s, p));
    }
    QTest::mouseRelease(label, button, {}, label->mapFrom(s, to));
}

// The window point that puts label i's top-left corner a little inside box's drop zone.
QPoint intoBox(ActivityScreen *s, int i, const TwipRect &box)
{
    const QSize size = control<DragLabel>(s, "dragLabels", i)->size();
    return px(box.Left - 60, box.Top - 60) + QPoint(size.width() / 2, size.height() / 2);
}

enum Way { Drag, Clicks, Keys };

// A key press on whatever has the focus, as the keyboard sends it.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

// Puts label i on target box boxOf[i] for every i: by dragging, by a click on the label and one
// on the box, or with the keys (Tab round to the label, Enter, Right until the box, Enter).
void fill(ActivityScreen *s, const QList<int> &boxOf, Way way = Drag)
{
    for (int i = 0; i < boxOf.size(); ++i) {
        if (way == Drag) {
            mouseDrag(s, i, intoBox(s, i, s->engine().target(boxOf[i])));
        } else if (way == Clicks) {
            QTest::mouseClick(control<DragLabel>(s, "dragLabels", i), Qt::LeftButton);
            QTest::mouseClick(control<DropBox>(s, "targetBoxes", boxOf[i]), Qt::LeftButton);
        } else {
            // Tab goes through the labels in reading order, not by number.
            for (int tabs = 0;
                 tabs < 20 && QApplication::focusWidget() != control<DragLabel>(s, "dragLabels", i);
                 ++tabs)
                key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control<DragLabel>(s, "dragLabels", i));
            key(Qt::Key_Return);
            for (int step = 0; step < 20 && s->engine().steppedTo() != boxOf[i]; ++step)
                key(Qt::Key_Right);
            key(Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), control<DragLabel>(s, "dragLabels", i));
        }
    }
}

QList<int> identity(int n)
{
    QList<int> l;
    for (int i = 0; i < n; ++i)
        l << i;
    return l;
}

} // namespace

class TestActivities : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opens_data();
    void opens();
    void realMouseDragSnaps();
    void otherButtonsDoNotDrag_data();
    void otherButtonsDoNotDrag();
    void checkScoreToResults_data();
    void checkScoreToResults();
    void startAgainAndExit();
    void placingWithoutDragging();
    void hover();
    void zOrder();
    void electricityCircuit();
    void faradayExperiments();
    void startSound_data();
    void startSound();
    void textFits_data();
    void textFits();
};

void TestActivities::opens_data()
{
    // The design's numbers: item count, background, and label 0's text, target box and start
    // place (twips), so that a fault in the screens' tables shows here.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("n");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("text0");
    QTest::addColumn<QRect>("target0");
    QTest::addColumn<QRect>("start0");
    const QColor standard(39, 63, 137);
    QTest::newRow("introductionlab") << "introductionlab"
                                     << "Introduction" << 5 << standard << "Friction"
                                     << QRect(4860, 7380, 2340, 375) << QRect(720, 1290, 2340, 375);
    QTest::newRow("electricitylab") << "electricitylab"
                                    << "Electricity" << 4 << standard << "battery"
                                    << QRect(2760, 2880, 1440, 495) << QRect(8280, 7200, 1440, 495);
    QTest::newRow("faradaylab") << "faradaylab"
                                << "Michael Faraday" << 4 << QColor(40, 65, 136)
                                << "An electric current will deflect a compass needle."
                                << QRect(840, 5640, 2640, 855) << QRect(9060, 2760, 2640, 855);
    QTest::newRow("introductionord")
        << "introductionord"
        << "Introduction" << 4 << standard << "Plastic surface" << QRect(8160, 3840, 2835, 435)
        << QRect(8940, 7320, 2835, 435);
    QTest::newRow("electricityord") << "electricityord"
                                    << "Electricity" << 10 << standard << "Wood"
                                    << QRect(7080, 3960, 1605, 375) << QRect(6840, 7320, 1605, 375);
    QTest::newRow("faradayord") << "faradayord"
                                << "Michael Faraday" << 6 << standard
                                << "Faraday started the Royal Institution Christmas Lectures."
                                << QRect(7800, 2880, 3915, 675) << QRect(1080, 1920, 3915, 675);
}

void TestActivities::opens()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(int, n);
    QFETCH(QColor, background);
    QFETCH(QString, text0);
    QFETCH(QRect, target0);
    QFETCH(QRect, start0);
    Harness h;
    const QString hubTitle = title + QStringLiteral(" (hub)");
    ActivityScreen *s = open(h, name, hubTitle);
    QVERIFY(s);
    QVERIFY(s->isVisible());
    QCOMPARE(s->size(), QSize(800, 600));
    QCOMPARE(control<QLabel>(s, "heading")->text(), hubTitle);
    QCOMPARE(s->count(), n);
    QCOMPARE(s->palette().color(QPalette::Window), background);
    QCOMPARE(control<DragLabel>(s, "dragLabels", 0)->text(), text0);
    QCOMPARE(control<DropBox>(s, "targetBoxes", 0)->geometry(), twips::rect(target0));
    QCOMPARE(control<DragLabel>(s, "dragLabels", 0)->geometry(), twips::rect(start0));
    const ActivityDesign &d = s->design();
    QCOMPARE(int(h.ctx->state.outOf), d.count());
    QCOMPARE(s->palette().color(QPalette::Window), d.background.value_or(QColor(39, 63, 137)));
    for (int i = 0; i < d.count(); ++i) {
        QCOMPARE(control<DragLabel>(s, "dragLabels", i)->text(), d.items[size_t(i)].text);
        QCOMPARE(control<DropBox>(s, "targetBoxes", i)->text(), QString());
        QCOMPARE(control<DropBox>(s, "targetBoxes", i)->geometry(),
                 twips::rect(d.items[size_t(i)].target));
        QCOMPARE(control<DropBox>(s, "startBoxes", i)->geometry(),
                 control<DragLabel>(s, "dragLabels", i)->geometry());
        QVERIFY(control<DragLabel>(s, "dragLabels", i)->autoFillBackground());
        QVERIFY(!control<DropBox>(s, "targetBoxes", i)->autoFillBackground());
    }
    QVERIFY(!control<LabelButton>(s, "actionButtons", CheckScoreButton)->isVisible());
    QVERIFY(control<LabelButton>(s, "actionButtons", ExitButton)->isVisible() &&
            control<LabelButton>(s, "actionButtons", ExitButton)->isOpaque());
    for (const PictureDesign &p : d.pictures) {
        ClickablePicture *picture = s->picture(p);
        QCOMPARE(picture->file(), p.file);
        QVERIFY2(picture->hasPicture(), qPrintable(p.file));
    }
    for (std::size_t k = 1; k < d.texts.size(); ++k)
        QCOMPARE(control<QLabel>(s, "texts", k)->text(), d.texts[k].caption);
}

void TestActivities::realMouseDragSnaps()
{
    Harness h;
    h.ctx->state.soundOn = 1;
    ActivityScreen *s = open(h, QStringLiteral("electricitylab"), QStringLiteral("Electricity"));
    DragLabel *battery = control<DragLabel>(s, "dragLabels", 0);
    const QPoint start = battery->pos();

    // Halfway: the label's centre follows the pointer, even outside the label's old place.
    QTest::mousePress(battery, Qt::LeftButton, {}, battery->rect().center());
    const QPoint halfway(300, 250);
    QTest::mouseMove(battery, battery->mapFrom(s, halfway));
    QVERIFY(qAbs(battery->geometry().center().x() - halfway.x()) <= 1);
    QVERIFY(qAbs(battery->geometry().center().y() - halfway.y()) <= 1);
    QVERIFY(h.sound.played.isEmpty());

    // On into the zone of its box (top-left corner at 2100, 2700 twips) and let go.
    const QPoint release = px(2100, 2700) + battery->rect().center();
    QTest::mouseMove(battery, battery->mapFrom(s, release));
    QTest::mouseRelease(battery, Qt::LeftButton, {}, battery->mapFrom(s, release));
    QCOMPARE(battery->pos(), px(2760, 2880));
    QCOMPARE(s->engine().label(0).Left, 2760.f);
    QCOMPARE(s->engine().label(0).Top, 2880.f);
    QCOMPARE(h.sound.played, QStringList{Thud});
    QVERIFY(battery->pos() != start);

    // Short of the zone (corner at Left 2000): stays where it was let go, silently.
    h.sound.played.clear();
    mouseDrag(s, 0, px(2000, 2700) + battery->rect().center());
    QVERIFY((battery->pos() - px(2000, 2700)).manhattanLength() <= 1);
    for (int k = 0; k < s->count(); ++k)
        QVERIFY(!isOn(s->engine().label(0), s->engine().target(k)));
    QVERIFY(h.sound.played.isEmpty());

    // Back onto its own start box: snaps there with a thud.
    mouseDrag(s, 0, start + QPoint(5, 5) + battery->rect().center());
    QCOMPARE(battery->pos(), start);
    QCOMPARE(h.sound.played, QStringList{Thud});
    QVERIFY(!control<LabelButton>(s, "actionButtons", CheckScoreButton)->isVisible());
}

void TestActivities::otherButtonsDoNotDrag_data()
{
    QTest::addColumn<bool>("twoButtons");
    QTest::newRow("right button") << false;
    QTest::newRow("left and right") << true;
}

void TestActivities::otherButtonsDoNotDrag()
{
    QFETCH(bool, twoButtons);
    Harness h;
    h.ctx->state.soundOn = 1;
    ActivityScreen *s = open(h, QStringLiteral("introductionord"), QStringLiteral("Introduction"));
    DragLabel *label = control<DragLabel>(s, "dragLabels", 1);
    const QPoint start = label->pos();
    if (twoButtons)
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mousePress(label, Qt::RightButton, {}, label->rect().center());
    QTest::mouseMove(label, label->rect().center() - QPoint(200, 200));
    QCOMPARE(label->pos(), start);
    // Releasing any button runs the drop pass: the label is on its start box and snaps there.
    QTest::mouseRelease(label, Qt::RightButton, {}, label->rect().center());
    QCOMPARE(h.sound.played, QStringList{Thud});
    if (twoButtons) {
        // With the left button alone still held, moves drag again.
        QTest::mouseMove(label, label->rect().center() - QPoint(100, 0));
        QVERIFY(qAbs(label->pos().x() - (start.x() - 100)) <= 1);
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
    }
}

void TestActivities::checkScoreToResults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("boxOf");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("way");
    const auto full = [](int n) {
        return QStringLiteral("Excellent work. You have scored %1 out of %1.").arg(n);
    };
    const struct {
        const char *name;
        int n;
    } screens[] = {{"introductionlab", 5}, {"electricitylab", 4},  {"faradaylab", 4},
                   {"introductionord", 4}, {"electricityord", 10}, {"faradayord", 6}};
    for (const auto &sc : screens) {
        for (const int way : {int(Clicks), int(Keys)}) {
            QTest::addRow("%s by %s", sc.name, way == Clicks ? "clicks" : "keys")
                << sc.name << identity(sc.n) << sc.n << full(sc.n) << way;
        }
    }
    QTest::newRow("introductionlab, all right")
        << "introductionlab" << identity(5) << 5 << "Excellent work. You have scored 5 out of 5."
        << int(Drag);
    QTest::newRow("electricitylab, full but wrong")
        << "electricitylab" << QList<int>{1, 2, 3, 0} << 0 << "You have scored 0 out of 4."
        << int(Drag);
    QTest::newRow("faradaylab, two in one box")
        << "faradaylab" << QList<int>{0, 0, 2, 3} << 3 << "Good work. You have scored 3 out of 4."
        << int(Drag);
    QTest::newRow("introductionord, two swapped")
        << "introductionord" << QList<int>{3, 1, 2, 0} << 2
        << "Good work. You have scored 2 out of 4." << int(Drag);
    QTest::newRow("electricityord, copper and steel swapped")
        << "electricityord" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 8} << 10
        << "Excellent work. You have scored 10 out of 10." << int(Drag);
    QTest::newRow("faradayord, all right")
        << "faradayord" << identity(6) << 6 << "Excellent work. You have scored 6 out of 6."
        << int(Drag);
}

void TestActivities::checkScoreToResults()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, boxOf);
    QFETCH(int, score);
    QFETCH(QString, sentence);
    QFETCH(int, way);
    Harness h;
    h.ctx->state.soundOn = 1;
    ActivityScreen *s = open(h, name, QStringLiteral("Title"));
    QVERIFY(QTest::qWaitForWindowActive(s));
    fill(s, boxOf, Way(way));
    QCOMPARE(h.sound.played.count(Thud), boxOf.size());
    QVERIFY(control<LabelButton>(s, "actionButtons", CheckScoreButton)->isVisible());
    h.sound.played.clear();
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", CheckScoreButton), Qt::LeftButton);
    QCOMPARE(int(h.ctx->state.score), score);
    QCOMPARE(int(h.ctx->state.outOf), s->count());
    ResultsScreen *results = h.ctx->screens.loaded<ResultsScreen>();
    QVERIFY(results && results->isVisible());
    QCOMPARE(control<QLabel>(results, "scoreText")->text(), sentence);
    QCOMPARE(h.sound.played, QStringList{Click});
    QVERIFY(s->isVisible());

    // Pressed again with one label taken off its box: the results are worded afresh.
    mouseDrag(s, 0, QPoint(400, 560));
    QVERIFY(control<LabelButton>(s, "actionButtons", CheckScoreButton)->isVisible());
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", CheckScoreButton), Qt::LeftButton);
    settle();
    const int again = boxOf[0] == 0 ? score - 1 : score;
    QCOMPARE(int(h.ctx->state.score), again);
    results = h.ctx->screens.loaded<ResultsScreen>();
    QVERIFY(results && results->isVisible());
    QVERIFY(control<QLabel>(results, "scoreText")
                ->text()
                .contains(QStringLiteral(" %1 out of").arg(again)));
}

void TestActivities::startAgainAndExit()
{
    Harness h;
    h.ctx->state.soundOn = 1;
    ActivityScreen *s = open(h, QStringLiteral("electricityord"), QStringLiteral("Electricity"));
    fill(s, identity(10));
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", CheckScoreButton), Qt::LeftButton);
    QCOMPARE(int(h.ctx->state.score), 10);
    h.ctx->screens.unload<ResultsScreen>();

    h.sound.played.clear();
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", StartAgainButton), Qt::LeftButton);
    QCOMPARE(int(h.ctx->state.score), 0);
    QVERIFY(!control<LabelButton>(s, "actionButtons", CheckScoreButton)->isVisible());
    for (int i = 0; i < s->count(); ++i)
        QCOMPARE(control<DragLabel>(s, "dragLabels", i)->geometry(),
                 control<DropBox>(s, "startBoxes", i)->geometry());
    QCOMPARE(h.sound.played, QStringList{Click});

    fill(s, identity(10));
    h.ctx->state.score = 7;
    h.sound.played.clear();
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", ExitButton), Qt::LeftButton);
    QCOMPARE(int(h.ctx->state.score), 0);
    QVERIFY(!h.ctx->screens.loaded<OrderingActivity>(1));
    QCOMPARE(h.sound.played, QStringList{Click});
    settle();

    // Reopened: the design arrangement again.
    s = open(h, QStringLiteral("electricityord"), QStringLiteral("Electricity"));
    for (int i = 0; i < s->count(); ++i)
        QCOMPARE(
            control<DragLabel>(s, "dragLabels", i)->pos(),
            px(s->design().items[size_t(i)].start.x(), s->design().items[size_t(i)].start.y()));
    QVERIFY(!control<LabelButton>(s, "actionButtons", CheckScoreButton)->isVisible());
}

void TestActivities::placingWithoutDragging()
{
    Harness h;
    h.ctx->state.soundOn = 1;
    auto *s = static_cast<FaradayLabelling *>(
        open(h, QStringLiteral("faradaylab"), QStringLiteral("Michael Faraday")));
    QVERIFY(QTest::qWaitForWindowActive(s));
    DragLabel *l0 = control<DragLabel>(s, "dragLabels", 0);

    // Tab: the labels in reading order (their start boxes top to bottom), the buttons on show,
    // the experiments, round again; Shift+Tab back.
    const QList<QWidget *> order = {
        l0,
        control<DragLabel>(s, "dragLabels", 2),
        control<DragLabel>(s, "dragLabels", 3),
        control<DragLabel>(s, "dragLabels", 1),
        control<LabelButton>(s, "actionButtons", StartAgainButton),
        control<LabelButton>(s, "actionButtons", ExitButton),
        control<ClickablePicture>(s, "backPictures", FaradayLabelling::BulbCircuit),
        control<ClickablePicture>(s, "backPictures", FaradayLabelling::CompassCircuit),
        control<QScrollBar>(s, "magnetSlider"),
        l0};
    for (QWidget *w : order) {
        QCOMPARE(QApplication::focusWidget(), w);
        key(Qt::Key_Tab);
    }
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), control<QScrollBar>(s, "magnetSlider"));
    key(Qt::Key_Right);
    QVERIFY(control<QScrollBar>(s, "magnetSlider")->value() > 0);
    key(Qt::Key_Backtab);
    key(Qt::Key_Space); // clicks the compass circuit
    QCOMPARE(int(h.ctx->state.firstSwitch), 1);
    QCOMPARE(control<ClickablePicture>(s, "backPictures", FaradayLabelling::CompassCircuit)
                 ->accessibleName(),
             QStringLiteral("Compass circuit switch: on"));

    // Held with Enter, shown at the last start box in reading order after Left, back home with
    // Escape.
    l0->setFocus();
    const QRect home = l0->geometry();
    key(Qt::Key_Return);
    QVERIFY(l0->isHeld());
    QCOMPARE(l0->accessibleName(), l0->text() + QStringLiteral(", picked up"));
    key(Qt::Key_Left);
    QCOMPARE(l0->geometry(), control<DropBox>(s, "startBoxes", 1)->geometry());
    QCOMPARE(control<DropBox>(s, "startBoxes", 1)->accessibleName(),
             QStringLiteral("Start box 2 of 4: %1 and %2")
                 .arg(l0->text(), control<DragLabel>(s, "dragLabels", 1)->text()));
    key(Qt::Key_Escape);
    QVERIFY(!l0->isHeld() && s->isVisible());
    QCOMPARE(l0->geometry(), home);

    // A tap that wobbles up to the platform's drag distance (10 pixels here) picks up; a click on
    // it again, or on the background, puts it down where it was, without a thud.
    h.sound.played.clear();
    const QPoint c = l0->rect().center();
    QTest::mousePress(l0, Qt::LeftButton, {}, c);
    QTest::mouseMove(l0, c + QPoint(6, 8));
    QTest::mouseRelease(l0, Qt::LeftButton, {}, c + QPoint(6, 8));
    QVERIFY(l0->isHeld());
    QTest::mouseClick(l0, Qt::LeftButton);
    QVERIFY(!l0->isHeld());
    QTest::mouseClick(l0, Qt::LeftButton);
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(5, 595));
    QVERIFY(!l0->isHeld());
    QCOMPARE(l0->geometry(), home);
    QVERIFY(h.sound.played.isEmpty());

    // Placed by clicks, the boxes say what they hold.
    QTest::mouseClick(l0, Qt::LeftButton);
    QTest::mouseClick(control<DropBox>(s, "targetBoxes", 1), Qt::LeftButton);
    QCOMPARE(control<DropBox>(s, "targetBoxes", 1)->accessibleName(),
             QStringLiteral("Box 2 of 4, between the meter and the coil that the magnet moves "
                            "into: ") +
                 l0->text());
    QCOMPARE(control<DropBox>(s, "startBoxes", 0)->accessibleName(),
             QStringLiteral("Start box 1 of 4: empty"));

    // Escape with nothing held is the screen's "Exit".
    key(Qt::Key_Escape);
    QVERIFY(!h.ctx->screens.loaded<FaradayLabelling>());
}

void TestActivities::hover()
{
    Harness h;
    ActivityScreen *s = open(h, QStringLiteral("introductionlab"), QStringLiteral("Introduction"));
    QVERIFY(QTest::qWaitForWindowExposed(s));
    control<LabelButton>(s, "actionButtons", CheckScoreButton)->show();
    for (LabelButton *b : controls<LabelButton>(s, "actionButtons"))
        QVERIFY(b->isOpaque());
    // Over a picture: nothing changes.
    QTest::mouseMove(s, control<ClickablePicture>(s, "backPictures", 2)->geometry().center());
    QVERIFY(control<LabelButton>(s, "actionButtons", ExitButton)->isOpaque());
    // Over the bare background: all three transparent.
    QTest::mouseMove(s, QPoint(5, 595));
    for (LabelButton *b : controls<LabelButton>(s, "actionButtons"))
        QVERIFY(!b->isOpaque());
    QTest::mouseMove(control<LabelButton>(s, "actionButtons", StartAgainButton), QPoint(10, 10));
    QVERIFY(control<LabelButton>(s, "actionButtons", StartAgainButton)->isOpaque());
    QVERIFY(!control<LabelButton>(s, "actionButtons", ExitButton)->isOpaque());
}

void TestActivities::zOrder()
{
    Harness h;
    ActivityScreen *s = open(h, QStringLiteral("faradaylab"), QStringLiteral("Michael Faraday"));
    const QObjectList children = s->children();
    const auto depth = [&](QObject *o) { return children.indexOf(o); };
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 2; ++j)
            QVERIFY(depth(control<ClickablePicture>(s, "backPictures", i)) <
                    depth(control<ClickablePicture>(s, "frontPictures", j)));
        QVERIFY(depth(control<ClickablePicture>(s, "backPictures", i)) <
                depth(control<DropBox>(s, "targetBoxes", 0)));
    }
    for (int i = 0; i < 4; ++i) {
        QVERIFY(depth(control<ClickablePicture>(s, "frontPictures", 1)) <
                depth(control<DropBox>(s, "targetBoxes", i)));
        QVERIFY(depth(control<DropBox>(s, "targetBoxes", i)) <
                depth(control<DragLabel>(s, "dragLabels", 0)));
        QVERIFY(depth(control<DropBox>(s, "startBoxes", i)) <
                depth(control<DragLabel>(s, "dragLabels", 0)));
    }
    // Where the two circuits overlap (their picture's bulb) the bulb circuit lies on top.
    QCOMPARE(s->childAt(QPoint(135, 295)), control<ClickablePicture>(s, "backPictures", 0));
    // A label dropped on a box over a picture is what the pointer finds there.
    mouseDrag(s, 3, intoBox(s, 3, s->engine().target(3)));
    QCOMPARE(s->childAt(control<DropBox>(s, "targetBoxes", 3)->geometry().center()),
             control<DragLabel>(s, "dragLabels", 3));
}

void TestActivities::electricityCircuit()
{
    Harness h;
    h.ctx->state.soundOn = 1;
    h.ctx->state.firstSwitch = 1;
    auto *s = static_cast<CircuitLabelling *>(
        open(h, QStringLiteral("electricitylab"), QStringLiteral("Electricity")));
    QCOMPARE(int(h.ctx->state.firstSwitch), 0);
    mouseDrag(s, 1, intoBox(s, 1, s->engine().target(1)));
    const QPoint placed = control<DragLabel>(s, "dragLabels", 1)->pos();
    h.sound.played.clear();

    ClickablePicture *circuit = control<ClickablePicture>(s, "backPictures", 0);
    const QPoint bare = circuit->mapFrom(s, QPoint(60, 400)); // no box or label over it
    QTest::mouseClick(circuit, Qt::LeftButton, {}, bare);
    QCOMPARE(circuit->file(), QString::fromLatin1(pictures::CircuitOn));
    QCOMPARE(int(h.ctx->state.firstSwitch), 1);
    QTest::mouseClick(circuit, Qt::LeftButton, {}, bare);
    QCOMPARE(circuit->file(), QString::fromLatin1(pictures::CircuitOff));
    QCOMPARE(int(h.ctx->state.firstSwitch), 0);
    QTest::mouseClick(circuit, Qt::RightButton, {}, bare);
    QCOMPARE(circuit->file(), QString::fromLatin1(pictures::CircuitOff));
    QVERIFY(h.sound.played.isEmpty());
    QCOMPARE(control<DragLabel>(s, "dragLabels", 1)->pos(), placed);

    // Reopened after Exit: circuit off.
    s->pictureClicked(0);
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", ExitButton), Qt::LeftButton);
    settle();
    s = static_cast<CircuitLabelling *>(
        open(h, QStringLiteral("electricitylab"), QStringLiteral("Electricity")));
    QCOMPARE(control<ClickablePicture>(s, "backPictures", 0)->file(),
             QString::fromLatin1(pictures::CircuitOff));
    QCOMPARE(int(h.ctx->state.firstSwitch), 0);
}

void TestActivities::faradayExperiments()
{
    Harness h;
    h.ctx->state.firstSwitch = 3;
    h.ctx->state.secondSwitch = 1;
    auto *s = static_cast<FaradayLabelling *>(
        open(h, QStringLiteral("faradaylab"), QStringLiteral("Michael Faraday")));
    QCOMPARE(int(h.ctx->state.firstSwitch), 0);
    QCOMPARE(int(h.ctx->state.secondSwitch), 0);
    const auto file = [&s](const char *which, int i) {
        const char *array = qstrcmp(which, "back") == 0 ? "backPictures" : "frontPictures";
        return control<ClickablePicture>(s, array, i)->file();
    };
    const QString on = QString::fromLatin1(pictures::SwitchOn);
    const QString off = QString::fromLatin1(pictures::SwitchOff);

    s->pictureClicked(FaradayLabelling::CompassCircuit);
    QCOMPARE(file("back", FaradayLabelling::CompassCircuit), on);
    QCOMPARE(file("front", FaradayLabelling::Compass), QString::fromLatin1(pictures::CompassOn));
    QCOMPARE(file("back", FaradayLabelling::BulbCircuit), off);

    s->pictureClicked(FaradayLabelling::BulbCircuit);
    QCOMPARE(file("back", FaradayLabelling::BulbCircuit), on);
    QCOMPARE(file("front", FaradayLabelling::Compass), QString::fromLatin1(pictures::CompassOn));
    QCOMPARE(int(h.ctx->state.secondSwitch), 1);

    s->pictureClicked(FaradayLabelling::CompassCircuit);
    QCOMPARE(file("back", FaradayLabelling::CompassCircuit), off);
    QCOMPARE(file("front", FaradayLabelling::Compass), QString::fromLatin1(pictures::CompassOff));
    QCOMPARE(file("back", FaradayLabelling::BulbCircuit), on);

    for (int i : {int(FaradayLabelling::IronFilings), int(FaradayLabelling::GeneratorCircuit)}) {
        s->pictureClicked(i);
        QCOMPARE(int(h.ctx->state.firstSwitch), 0);
        QCOMPARE(int(h.ctx->state.secondSwitch), 1);
    }

    // The magnet follows the scroll bar. Away from the coil (below 50) it moves no needle; in
    // and out of it, the meter swings one way or the other for one timer tick.
    ClickablePicture *magnet =
        control<ClickablePicture>(s, "frontPictures", FaradayLabelling::Magnet);
    QCOMPARE(magnet->pos(), px(4080, 6000));
    control<QScrollBar>(s, "magnetSlider")->setValue(40);
    QCOMPARE(magnet->pos(), px(float(magnetLeft(40)), 6000));
    QCOMPARE(file("back", FaradayLabelling::GeneratorCircuit),
             QString::fromLatin1(pictures::GeneratorRest));
    QVERIFY(!control<QTimer>(s, "generatorTimer")->isActive());
    QVERIFY(magnet->mask().isEmpty());
    for (const auto &[value, meter] :
         {std::pair{100, pictures::GeneratorIn}, std::pair{0, pictures::GeneratorOut}}) {
        control<QScrollBar>(s, "magnetSlider")->setValue(value);
        QCOMPARE(magnet->pos(), px(float(magnetLeft(value)), 6000));
        QCOMPARE(file("back", FaradayLabelling::GeneratorCircuit), QString::fromLatin1(meter));
        // Inside the coil the windings are in front of the magnet.
        QCOMPARE(magnet->mask().isEmpty(), value == 0);
        QVERIFY(control<QTimer>(s, "generatorTimer")->isActive());
        QCOMPARE(control<QTimer>(s, "generatorTimer")->interval(), 50);
        QTRY_COMPARE(file("back", FaradayLabelling::GeneratorCircuit),
                     QString::fromLatin1(pictures::GeneratorRest));
        QVERIFY(!control<QTimer>(s, "generatorTimer")->isActive());
    }

    control<QScrollBar>(s, "magnetSlider")->setValue(60);
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", ExitButton), Qt::LeftButton);
    settle();
    s = static_cast<FaradayLabelling *>(
        open(h, QStringLiteral("faradaylab"), QStringLiteral("Michael Faraday")));
    QCOMPARE(control<ClickablePicture>(s, "frontPictures", FaradayLabelling::Magnet)->pos(),
             px(4080, 6000));
    QCOMPARE(control<QScrollBar>(s, "magnetSlider")->value(), 0);
    QCOMPARE(file("back", FaradayLabelling::BulbCircuit), off);
    QCOMPARE(file("back", FaradayLabelling::GeneratorCircuit),
             QString::fromLatin1(pictures::GeneratorRest));
}

void TestActivities::startSound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<bool>("plays");
    QTest::newRow("introductionord") << "introductionord" << 1 << true;
    QTest::newRow("faradayord") << "faradayord" << 1 << true;
    QTest::newRow("faradayord, sound off") << "faradayord" << 0 << false;
    QTest::newRow("electricityord") << "electricityord" << 1 << false;
    QTest::newRow("introductionlab") << "introductionlab" << 1 << false;
}

void TestActivities::startSound()
{
    QFETCH(QString, name);
    QFETCH(int, soundOn);
    QFETCH(bool, plays);
    Harness h;
    h.ctx->state.soundOn = qint16(soundOn);
    ActivityScreen *s = open(h, name, QStringLiteral("Title"));
    QVERIFY(h.sound.played.isEmpty());
    QTest::qWait(150);
    QCOMPARE(h.sound.played.count(Eagle), plays ? 1 : 0);
    // Start Again does not play it again; reopening does.
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", StartAgainButton), Qt::LeftButton);
    QTest::qWait(150);
    QCOMPARE(h.sound.played.count(Eagle), plays ? 1 : 0);
    QTest::mouseClick(control<LabelButton>(s, "actionButtons", ExitButton), Qt::LeftButton);
    settle();
    open(h, name, QStringLiteral("Title"));
    QTest::qWait(150);
    QCOMPARE(h.sound.played.count(Eagle), plays ? 2 : 0);
}

void TestActivities::textFits_data()
{
    QTest::addColumn<QString>("name");
    for (const ActivityDesign *d : allDesigns())
        QTest::newRow(qPrintable(d->name)) << d->name;
}

void TestActivities::textFits()
{
    QFETCH(QString, name);
    Harness h;
    QString heading;
    for (const ActivityDesign *d : allDesigns()) {
        if (d->name == name)
            heading = d->texts.front().caption;
    }
    ActivityScreen *s = open(h, name, heading);
    QList<QLabel *> labels;
    for (QLabel *l : controls<DragLabel>(s, "dragLabels"))
        labels << l;
    for (LabelButton *b : controls<LabelButton>(s, "actionButtons"))
        labels << b;
    labels << control<QLabel>(s, "heading"); // the first of the texts
    for (QLabel *text : controls<QLabel>(s, "texts"))
        labels << text;
    for (QLabel *label : labels) {
        const QFontMetrics metrics(label->font());
        const QRect inner = label->contentsRect();
        const QRect needed =
            metrics.boundingRect(inner, int(label->alignment()) | Qt::TextWordWrap, label->text());
        // The last line's descent may touch the bottom edge; every line's letters must show.
        QVERIFY2(needed.height() - metrics.descent() <= inner.height(),
                 qPrintable(QStringLiteral("'%1' needs %2 px in a %3 px box")
                                .arg(label->text())
                                .arg(needed.height())
                                .arg(inner.height())));
        for (const QString &word : label->text().split(QLatin1Char(' ')))
            QVERIFY2(metrics.horizontalAdvance(word) <= inner.width(), qPrintable(word));
    }
}

QTEST_MAIN(TestActivities)
#include "tst_activities.moc"
