// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using journal::Record;

namespace
{

Record record(const QString &pupil, int minute, const QString &topic, int score,
              QVector<int> wrong = {})
{
    Record r;
    r.pupil = pupil;
    r.started = QDateTime(QDate(2026, 9, 14), QTime(10, minute));
    r.finished = r.started.addSecs(90);
    r.topic = topic;
    r.activity = QStringLiteral("Quiz");
    r.score = score;
    r.outOf = 10;
    r.wrong = wrong;
    return r;
}

journal::Read readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return journal::read(&buffer);
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reader_data();
    void reader();
    void writersMerged();
    void csv();
    void deletePupil();
    void table();
};

// Each row: journal bytes and what the reader keeps of them.
void TestJournal::reader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("skipped");

    const QByteArray ada = journal::line(record(QStringLiteral("Ada"), 1, "Magnets", 9, {4}));
    const QByteArray tab = journal::line(record(QStringLiteral("Bo\t\\n"), 2, "Line\nbreak", 10));
    QTest::newRow("whole records") << ada + tab << 2 << 0;
    QTest::newRow("a cut-off last line") << ada + tab.left(tab.size() - 9) << 1 << 1;
    QTest::newRow("a cut-off line, then another record") << ada.left(20) + "\n" + tab << 1 << 1;
    QTest::newRow("a changed letter") << QByteArray(ada).replace("Ada", "Adb") + tab << 1 << 1;
    QTest::newRow("zeros after a power cut") << ada + QByteArray(512, '\0') << 1 << 1;
    QTest::newRow("empty") << QByteArray() << 0 << 0;
}

void TestJournal::reader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(int, skipped);
    const journal::Read read = readBytes(bytes);
    QCOMPARE(read.records.size(), records);
    QCOMPARE(read.skipped, skipped);
    QVERIFY(read.error.isEmpty());
    if (records == 2) {
        QCOMPARE(read.records[0], record(QStringLiteral("Ada"), 1, "Magnets", 9, {4}));
        QCOMPARE(read.records[1].pupil, QStringLiteral("Bo\t\\n"));
        QCOMPARE(read.records[1].topic, QStringLiteral("Line\nbreak"));
    }
}

void TestJournal::writersMerged()
{
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("results"));
    const QString mine = QDir(results).filePath(journal::fileName("ada", "lab-1"));
    const QString theirs = QDir(results).filePath(journal::fileName("bo", "lab/2"));
    QCOMPARE(QFileInfo(theirs).fileName(), QStringLiteral("bo@lab_2.txt"));
    QVERIFY(journal::append(mine, record(QStringLiteral("Ada"), 5, "Magnets", 7)));
    QVERIFY(journal::append(theirs, record(QStringLiteral("Bo"), 3, "Magnets", 8)));
    // A record cut off by a crash: the next append ends its line first and stays whole.
    QFile cut(mine);
    QVERIFY(cut.open(QIODevice::Append));
    cut.write(journal::line(record(QStringLiteral("Ada"), 6, "Gravity", 1)).left(30));
    cut.close();
    QVERIFY(journal::append(mine, record(QStringLiteral("Ada"), 9, "Gravity", 10)));
    QVERIFY(journal::append(theirs, record(QStringLiteral("Bo"), 7, "Gravity", 6, {1, 2})));

    const journal::Read all = journal::readFolder(results);
    QCOMPARE(all.skipped, 1);
    QStringList order;
    for (const Record &r : all.records)
        order << r.pupil + QString::number(r.score);
    QCOMPARE(order.join(QLatin1Char(' ')), QStringLiteral("Bo8 Ada7 Bo6 Ada10"));
    QCOMPARE(journal::readFolder(dir.filePath(QStringLiteral("none"))).records.size(), 0);
}

void TestJournal::csv()
{
    const QVector<Record> records = {record(QStringLiteral("Zoë \"Zed\", Jr"), 1,
                                            QStringLiteral("Forces, and more"), 8, {3, 9})};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(journal::writeCsv(&buffer, records));
    const QString expected =
        QStringLiteral("pupil,started,finished,topic,activity,score,out of,wrong\r\n"
                       "\"Zoë \"\"Zed\"\", Jr\",2026-09-14 10:01:00,2026-09-14 10:02:30,"
                       "\"Forces, and more\",Quiz,8,10,3 9\r\n");
    QCOMPARE(QString::fromUtf8(bytes), expected);
}

void TestJournal::deletePupil()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(journal::fileName("a", "b"));
    for (const char *pupil : {"Ada", "Bo", "ada"})
        QVERIFY(journal::append(file, record(pupil, 1, "Magnets", 5)));
    int removed = 0;
    QVERIFY(journal::removePupil(dir.path(), QStringLiteral("Ada"), &removed));
    QCOMPARE(removed, 2);
    QCOMPARE(journal::pupils(journal::readFolder(dir.path()).records), QStringList{"Bo"});
    QCOMPARE(journal::cleanName(QStringLiteral("  Ada\t  Lovelace\n") + QString(40, 'x')).size(),
             journal::MaxName);
}

void TestJournal::table()
{
    // "ADA" is Ada as a pupil typed it once: one pupil, under the spelling most records use.
    const QVector<Record> records = {record("bo", 1, "Magnets", 4), record("Ada", 2, "Magnets", 9),
                                     record("ADA", 3, "Magnets", 6), record("Ada", 4, "Atoms", 2)};
    const journal::Table t = journal::summarize(records);
    QCOMPARE(t.pupils, (QStringList{"Ada", "bo"}));
    QCOMPARE(t.columns.size(), 2);
    QCOMPARE(t.columns[1].first, QStringLiteral("Magnets"));
    const journal::Cell ada = t.cells.value({0, 1});
    QCOMPARE(ada.best, 9);
    QCOMPARE(ada.latest, 6);
    QCOMPARE(ada.tries, 2);
    QVERIFY(!t.cells.contains({1, 0}));
    QCOMPARE(journal::filter(records, {}, {}, "bo").size(), 1);
    QCOMPARE(journal::filter(records, {}, {}, "ada").size(), 3);
    QCOMPARE(journal::filter(records, QDate(2026, 9, 15), {}).size(), 0);
}

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
