// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages.h"

#include <QTest>

class TestPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void files_data();
    void files();
    void buttons_data();
    void buttons();
    void logoFrames();
    void printJob();
};

void TestPages::files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("print");
    QTest::newRow("key facts page 1") << "key introduction" << 1 << "wmf\\key introductiona.wmf"
                                      << "wmf2\\key introductiona.wmf";
    QTest::newRow("notes page 2") << "electricity" << 2 << "wmf\\electricityb.wmf"
                                  << "wmf2\\electricityb.wmf";
    QTest::newRow("page 4") << "x" << 4 << "wmf\\xd.wmf"
                            << "wmf2\\xd.wmf";
    QTest::newRow("page 5 has no letter") << "x" << 5 << ""
                                          << "";
    QTest::newRow("page 0 has no letter") << "x" << 0 << ""
                                          << "";
}

void TestPages::files()
{
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(QString, screen);
    QFETCH(QString, print);
    QCOMPARE(pages::pageFile(name, page, false), screen);
    QCOMPARE(pages::pageFile(name, page, true), print);
}

void TestPages::buttons_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("counter");
    QTest::newRow("1 of 2") << 1 << 2 << false << true << "Page 1 of 2";
    QTest::newRow("2 of 2") << 2 << 2 << true << false << "Page 2 of 2";
    QTest::newRow("2 of 3") << 2 << 3 << true << true << "Page 2 of 3";
    QTest::newRow("1 of 1") << 1 << 1 << false << false << "Page 1 of 1";
}

void TestPages::buttons()
{
    QFETCH(int, page);
    QFETCH(int, count);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(QString, counter);
    const pages::Buttons b = pages::buttons(page, count);
    QCOMPARE(b.previous, previous);
    QCOMPARE(b.next, next);
    QCOMPARE(pages::counter(page, count), counter);
}

void TestPages::logoFrames()
{
    QStringList order;
    int frame = 0;
    for (int i = 0; i < 21; ++i) {
        frame = pages::nextLogoFrame(frame);
        order << pages::logoFrameFile(frame);
    }
    QCOMPARE(order.first(), QStringLiteral("logo\\tavimor0001.gif"));
    QCOMPARE(order[8], QStringLiteral("logo\\tavimor0009.gif"));
    QCOMPARE(order[9], QStringLiteral("logo\\tavimor0010.gif"));
    QCOMPARE(order[18], QStringLiteral("logo\\tavimor0019.gif"));
    QCOMPARE(order[19], QStringLiteral("logo\\tavimor0000.gif"));
    QCOMPARE(order[20], QStringLiteral("logo\\tavimor0001.gif"));
}

void TestPages::printJob()
{
    const PrintJob job = pages::printJob(QStringLiteral("wmf2\\guide2.wmf"), QSize(9800, 13600));
    QCOMPARE(job.size(), 2);
    QCOMPARE(job[0], PrintOp::print(QString(), true));
    QCOMPARE(job[1], PrintOp::picture(QStringLiteral("wmf2\\guide2.wmf"), QPoint(1000, 1000),
                                      QPoint(9800, 13600)));
}

QTEST_GUILESS_MAIN(TestPages)
#include "tst_pages.moc"
