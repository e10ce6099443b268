#include "catalogue.h"

#include <QBuffer>
#include <QTest>

using catalogue::ReadStatus;

Q_DECLARE_METATYPE(catalogue::ReadStatus)

class TestCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void overLimitKeepsFirstThousand();
    void zeroLeavesNamesUntouched();
};

static QByteArray lines(const QStringList &l)
{
    return l.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

void TestCatalogue::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("two titles") << lines({" 2 ", "Light", "Sound"}) << ReadStatus::Complete << 2
                                << QStringList{"Light", "Sound"};
    QTest::newRow("empty catalogue")
        << lines({" 0 "}) << ReadStatus::Complete << 0 << QStringList{};
    QTest::newRow("extra lines ignored")
        << lines({" 2 ", "Light", "Sound", "Magnets"}) << ReadStatus::Complete << 2
        << QStringList{"Light", "Sound"};
    QTest::newRow("fewer names than count") << lines({" 3 ", "Light", "Sound"}) << ReadStatus::Short
                                            << 2 << QStringList{"Light", "Sound"};
    QTest::newRow("empty file") << QByteArray() << ReadStatus::NoCount << 7 << QStringList{};
    QTest::newRow("count is text")
        << lines({"many", "Light"}) << ReadStatus::NoCount << 7 << QStringList{};
    QTest::newRow("count too large for a number")
        << lines({"99999", "Light"}) << ReadStatus::NoCount << 7 << QStringList{};
    QTest::newRow("title with comma reads as two fields")
        << lines({" 2 ", "Magnets, part 1", "Sound"}) << ReadStatus::Complete << 2
        << QStringList{"Magnets", "part 1"};
}

void TestCatalogue::read()
{
    QFETCH(QByteArray, file);
    QFETCH(ReadStatus, status);
    QFETCH(int, count);
    QFETCH(QStringList, names);

    Module1 state;
    state.WorksheetCount = 7; // what an earlier read left behind
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(catalogue::read(&buffer, state), status);
    QCOMPARE(int(state.WorksheetCount), count);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(state.WorksheetNames[i + 1], names[i]);
}

void TestCatalogue::overLimitKeepsFirstThousand()
{
    QStringList l{QStringLiteral(" 1005 ")};
    for (int i = 1; i <= 1005; ++i)
        l << QStringLiteral("Sheet %1").arg(i);
    QByteArray file = lines(l);
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Module1 state;
    QCOMPARE(catalogue::read(&buffer, state), ReadStatus::OverLimit);
    QCOMPARE(int(state.WorksheetCount), 1000);
    QCOMPARE(state.WorksheetNames[1000], QStringLiteral("Sheet 1000"));
}

void TestCatalogue::zeroLeavesNamesUntouched()
{
    QByteArray file = lines({" 0 "});
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Module1 state;
    state.WorksheetNames[1] = QStringLiteral("Earlier");
    catalogue::read(&buffer, state);
    QCOMPARE(state.WorksheetNames[1], QStringLiteral("Earlier"));
    QCOMPARE(int(state.WorksheetCount), 0);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
