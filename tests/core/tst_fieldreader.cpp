// SPDX-License-Identifier: GPL-3.0-or-later
#include "fieldreader.h"

#include <QBuffer>
#include <QTest>

class TestFieldReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fields_data();
    void fields();
    void pastEndFails();
    void numbers_data();
    void numbers();
    void ansiText();
};

void TestFieldReader::fields_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("crlf lines") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
    QTest::newRow("lone lf") << QByteArray("one\ntwo\n") << QStringList{"one", "two"};
    QTest::newRow("lone cr") << QByteArray("one\rtwo\r") << QStringList{"one", "two"};
    QTest::newRow("comma splits") << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("leading blanks dropped")
        << QByteArray("  two spaces\r\n") << QStringList{"two spaces"};
    QTest::newRow("trailing blanks kept") << QByteArray("end  \r\n") << QStringList{"end  "};
    QTest::newRow("line of one space is one empty field")
        << QByteArray("title\r\n \r\nnext\r\n") << QStringList{"title", "", "next"};
    QTest::newRow("line of spaces is one empty field")
        << QByteArray("     \r\nx\r\n") << QStringList{"", "x"};
    QTest::newRow("quoted field keeps commas")
        << QByteArray("\"a, b\"\r\nc\r\n") << QStringList{"a, b", "c"};
    QTest::newRow("quoted field cut at its closing quote")
        << QByteArray("\"Hello\" world\r\nnext\r\n") << QStringList{"Hello", "next"};
    QTest::newRow("quoted field then comma") << QByteArray("\"q\",r\r\n") << QStringList{"q", "r"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("byte-order mark: UTF-8")
        << QByteArray("\xEF\xBB\xBF\"D\xC5\xB5r\",\xC3\xB1\r\n")
        << QStringList{QStringLiteral("D\u0175r"), QStringLiteral("\u00f1")};
    QTest::newRow("byte-order mark alone is empty") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    QTest::newRow("unterminated quote runs to the end")
        << QByteArray("\"open\r\nstill") << QStringList{"open\r\nstill"};
}

void TestFieldReader::fields()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    QBuffer buffer(&input);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    FieldReader reader(&buffer);
    QStringList got;
    QString field;
    while (reader.read(&field))
        got << field;
    QCOMPARE(got, expected);
}

void TestFieldReader::pastEndFails()
{
    QByteArray input("only\r\n");
    QBuffer buffer(&input);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    FieldReader reader(&buffer);
    QString field = QStringLiteral("untouched");
    QVERIFY(reader.read(&field));
    QVERIFY(reader.atEnd());
    field = QStringLiteral("untouched");
    QVERIFY(!reader.read(&field));
    QCOMPARE(field, QStringLiteral("untouched"));
}

void TestFieldReader::numbers_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("count line") << QByteArray(" 12 \r\n") << true << 12;
    QTest::newRow("zero") << QByteArray(" 0 \r\n") << true << 0;
    QTest::newRow("negative") << QByteArray("-3\r\n") << true << -3;
    QTest::newRow("text") << QByteArray("twelve\r\n") << false << 0;
    QTest::newRow("empty line") << QByteArray(" \r\n") << false << 0;
    QTest::newRow("nothing") << QByteArray() << false << 0;
}

void TestFieldReader::numbers()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, ok);
    QFETCH(int, value);
    QBuffer buffer(&input);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    FieldReader reader(&buffer);
    int got = 0;
    QCOMPARE(reader.readNumber(&got), ok);
    QCOMPARE(got, value);
}

void TestFieldReader::ansiText()
{
    QByteArray input("caf\xe9 \x93quoted\x94 \x80\r\n");
    QBuffer buffer(&input);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    FieldReader reader(&buffer);
    QString field;
    QVERIFY(reader.read(&field));
    QCOMPARE(field, QString::fromUtf8("café “quoted” €"));
}

QTEST_GUILESS_MAIN(TestFieldReader)
#include "tst_fieldreader.moc"
