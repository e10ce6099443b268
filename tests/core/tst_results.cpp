// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz.h"
#include "results.h"

#include <QTest>

class TestResults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wording_data();
    void wording();
    void sounds_data();
    void sounds();
    void finishFillsWrongInOrder_data();
    void finishFillsWrongInOrder();
    void remarkingOnRevisit();
};

void TestResults::wording_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("outOf");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("fullMarks");
    QTest::addColumn<QString>("button");

    QTest::newRow("quiz 10/10") << 10 << 10 << "Excellent work. You have scored 10 out of 10."
                                << true << "Print Certificate";
    QTest::newRow("quiz 9/10") << 9 << 10 << "Good work. You have scored 9 out of 10." << false
                               << "Check Wrong Answers";
    QTest::newRow("quiz 8/10") << 8 << 10 << "Good work. You have scored 8 out of 10." << false
                               << "Check Wrong Answers";
    QTest::newRow("quiz 7/10") << 7 << 10 << "You have scored 7 out of 10." << false
                               << "Check Wrong Answers";
    QTest::newRow("quiz 0/10") << 0 << 10 << "You have scored 0 out of 10." << false
                               << "Check Wrong Answers";
    QTest::newRow("activity 4/4") << 4 << 4 << "Excellent work. You have scored 4 out of 4." << true
                                  << "Print Certificate";
    QTest::newRow("activity 2/4") << 2 << 4 << "Good work. You have scored 2 out of 4." << false
                                  << "Check Wrong Answers";
    QTest::newRow("activity 1/4") << 1 << 4 << "You have scored 1 out of 4." << false
                                  << "Check Wrong Answers";
    QTest::newRow("activity 0/0") << 0 << 0 << "Excellent work. You have scored 0 out of 0." << true
                                  << "Print Certificate";
}

void TestResults::wording()
{
    QFETCH(int, score);
    QFETCH(int, outOf);
    QFETCH(QString, sentence);
    QFETCH(bool, fullMarks);
    QFETCH(QString, button);
    const results::Wording w = results::word(score, outOf);
    QVERIFY(w.matched);
    QCOMPARE(w.sentence, sentence);
    QCOMPARE(w.fullMarks, fullMarks);
    QCOMPARE(w.buttonCaption, button);
    QCOMPARE(w.hint.isEmpty(), fullMarks);
    QVERIFY(!results::word(11, 10).matched); // above the full score: nothing applies
}

void TestResults::sounds_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("outOf");
    QTest::addColumn<QStringList>("choices");
    QTest::newRow("10") << 10 << 10 << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
    QTest::newRow("9") << 9 << 10
                       << QStringList{"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"};
    QTest::newRow("8") << 8 << 10
                       << QStringList{"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
    QTest::newRow("7") << 7 << 10
                       << QStringList{"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"};
    QTest::newRow("6") << 6 << 10 << QStringList{"wav\\clap3.wav", "wav\\clown.wav"};
    QTest::newRow("5") << 5 << 10 << QStringList{};
    QTest::newRow("0") << 0 << 10 << QStringList{};
    QTest::newRow("activity 4 of 4 as 10 of 10")
        << 4 << 4 << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
    QTest::newRow("11") << 11 << 10 << QStringList{};
}

void TestResults::sounds()
{
    QFETCH(int, score);
    QFETCH(int, outOf);
    QFETCH(QStringList, choices);
    const int k = int(choices.size());
    for (int r = 0; r < k; ++r) {
        // The middle and both ends of each random interval pick the same sound.
        for (double f : {0.0, 0.5, 0.999999})
            QCOMPARE(results::celebrationSound(score, outOf, (r + f) / k), choices[r]);
    }
    if (k == 0)
        QVERIFY(results::celebrationSound(score, outOf, 0.3).isEmpty());
}

void TestResults::finishFillsWrongInOrder_data()
{
    QTest::addColumn<QVector<int>>("wrong");
    QTest::newRow("2, 5 and 9") << QVector<int>{2, 5, 9};
    QTest::newRow("none") << QVector<int>{};
    QTest::newRow("all ten") << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("last only") << QVector<int>{10};
}

void TestResults::finishFillsWrongInOrder()
{
    QFETCH(QVector<int>, wrong);
    AppState s;
    for (int q = 1; q <= 10; ++q) {
        s.quiz.question(q).ticks[1] = true;
        s.quiz.question(q).text = QStringLiteral("Text %1").arg(q);
        quiz::mark(s, q, wrong.contains(q) ? 3 : 2);
    }
    QCOMPARE(quiz::finish(s), wrong);
    QCOMPARE(int(s.score), 10 - int(wrong.size()));
    if (!wrong.isEmpty()) {
        QCOMPARE(quiz::reviewRow(s, wrong.last()),
                 QStringLiteral(" %1. Text %1").arg(wrong.last()));
    }
}

void TestResults::remarkingOnRevisit()
{
    AppState s;
    s.quiz.question(4).ticks[2] = true;
    quiz::mark(s, 4, 3);
    QCOMPARE(int(s.marks[4]), 1);
    quiz::mark(s, 4, 0); // came back and pressed Next with nothing chosen
    QCOMPARE(int(s.marks[4]), 0);
    quiz::mark(s, 5, 4); // a question with no right answer ticked
    QCOMPARE(int(s.marks[5]), 0);
    QCOMPARE(s.quiz.question(5).rightAnswer(), 0);
}

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
