// SPDX-License-Identifier: GPL-3.0-or-later
#include "activitydata.h"

#include <QTest>

using namespace activity;

Q_DECLARE_METATYPE(const activity::ActivityDesign *)

namespace
{

const QRect Window(0, 0, 12000, 9000);

bool overlaps(const QRect &a, const QRect &b)
{
    return a.x() < b.x() + b.width() && b.x() < a.x() + a.width() && a.y() < b.y() + b.height() &&
           b.y() < a.y() + a.height();
}

// The drop zone of a box, as a rectangle (its edges do not belong to it).
QRectF zone(const QRect &box)
{
    return QRectF(box.x() - box.width() / 2.0, box.y() - box.height() / 2.0, box.width() * 1.5,
                  box.height() * 1.5);
}

} // namespace

class TestActivityData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void screens_data();
    void screens();
    void items_data();
    void items();
    void boxesApart_data();
    void boxesApart();
};

void TestActivityData::screens_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<bool>("startSound");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("lines");
    QTest::newRow("introductionlab") << "introductionlab" << 5 << false << false << 5 << 0;
    QTest::newRow("electricitylab") << "electricitylab" << 4 << false << false << 1 << 0;
    QTest::newRow("faradaylab") << "faradaylab" << 4 << false << false << 6 << 0;
    QTest::newRow("introductionord") << "introductionord" << 4 << false << true << 0 << 5;
    QTest::newRow("electricityord") << "electricityord" << 10 << true << false << 0 << 0;
    QTest::newRow("faradayord") << "faradayord" << 6 << false << true << 0 << 7;
}

void TestActivityData::screens()
{
    QFETCH(QString, name);
    QFETCH(int, n);
    QFETCH(bool, grouped);
    QFETCH(bool, startSound);
    QFETCH(int, pictures);
    QFETCH(int, lines);
    const ActivityDesign *d = nullptr;
    for (const ActivityDesign *candidate : allDesigns()) {
        if (candidate->name == name)
            d = candidate;
    }
    QVERIFY(d);
    QCOMPARE(d->count(), n);
    QCOMPARE(d->engine().count(), n);
    QCOMPARE(d->scoring == Scoring::Grouped, grouped);
    QCOMPARE(d->startSound, startSound);
    QCOMPARE(int(d->pictures.size()), pictures);
    QCOMPARE(int(d->lines.size()), lines);
    QVERIFY(!d->texts.empty());

    // Every label placed on its own box scores full marks; on its start box, nothing.
    Engine e = d->engine();
    QCOMPARE(e.score(), 0);
    for (int i = 0; i < n; ++i) {
        TwipRect l = e.label(i);
        l.Left = e.target(i).Left;
        l.Top = e.target(i).Top;
        e.setLabel(i, l);
        e.drop(i);
    }
    QCOMPARE(e.score(), n);
    QVERIFY(e.checkScoreShown());

    // Ticks of a scale sit level with a box each.
    for (const LineDesign &line : d->lines) {
        if (line.control != QLatin1String("Line2"))
            continue;
        QCOMPARE(line.line.y1(), line.line.y2());
        bool level = false;
        for (const ItemDesign &item : d->items)
            level = level || (line.line.y1() >= item.target.top() &&
                              line.line.y1() <= item.target.top() + item.target.height());
        QVERIFY2(level, qPrintable(QStringLiteral("tick at %1").arg(line.line.y1())));
    }
    for (const PictureDesign &p : d->pictures)
        QVERIFY(p.file.startsWith(QLatin1String("Images\\")));
}

void TestActivityData::items_data()
{
    QTest::addColumn<const ActivityDesign *>("design");
    QTest::addColumn<int>("i");
    for (const ActivityDesign *d : allDesigns()) {
        for (int i = 0; i < d->count(); ++i)
            QTest::addRow("%s %s", qPrintable(d->name), qPrintable(d->items[size_t(i)].text))
                << d << i;
    }
}

void TestActivityData::items()
{
    QFETCH(const ActivityDesign *, design);
    QFETCH(int, i);
    const ItemDesign &item = design->items[size_t(i)];
    QVERIFY(!item.text.isEmpty());
    QVERIFY2(Window.contains(item.target), "target box leaves the window");
    QVERIFY2(Window.contains(item.start), "start position leaves the window");
    QCOMPARE(item.start.size(), item.target.size());
    // Labels do not start on any target box, so nothing scores before the pupil moves it.
    Engine e = design->engine();
    for (int k = 0; k < design->count(); ++k)
        QVERIFY(!isOn(e.label(i), e.target(k)));
    // Let go where it starts, it stays there.
    QCOMPARE(e.drop(i), 1);
    QCOMPARE(e.label(i), e.start(i));
    // Every box stays clear of the buttons.
    for (int b = 0; b < 3; ++b) {
        QVERIFY(!overlaps(item.target, buttonDesign(b).rect));
        QVERIFY(!overlaps(item.start, buttonDesign(b).rect));
    }
}

void TestActivityData::boxesApart_data()
{
    QTest::addColumn<const ActivityDesign *>("design");
    for (const ActivityDesign *d : allDesigns())
        QTest::newRow(qPrintable(d->name)) << d;
}

void TestActivityData::boxesApart()
{
    QFETCH(const ActivityDesign *, design);
    std::vector<QRect> boxes;
    for (const ItemDesign &item : design->items)
        boxes.push_back(item.target);
    for (const ItemDesign &item : design->items)
        boxes.push_back(item.start);
    for (size_t a = 0; a < boxes.size(); ++a) {
        for (size_t b = a + 1; b < boxes.size(); ++b)
            QVERIFY2(!overlaps(boxes[a], boxes[b]),
                     qPrintable(QStringLiteral("boxes %1 and %2").arg(a).arg(b)));
    }
    // No two target boxes can both take a label: their drop zones are apart.
    for (int a = 0; a < design->count(); ++a) {
        for (int b = a + 1; b < design->count(); ++b)
            QVERIFY(!zone(boxes[size_t(a)]).intersects(zone(boxes[size_t(b)])));
    }
}

QTEST_GUILESS_MAIN(TestActivityData)
#include "tst_activitydata.moc"
