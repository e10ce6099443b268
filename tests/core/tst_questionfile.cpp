// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionfile.h"

#include "ansi.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

namespace
{

// A well-formed file: title, then question q has text "Qq", answers "qA".."qD", digit.
QStringList goodLines(const QString &title = QStringLiteral("Magnets"))
{
    QStringList l{title, QStringLiteral(" ")};
    for (int q = 1; q <= 10; ++q) {
        l << QStringLiteral("Q%1").arg(q);
        for (const char *a : {"A", "B", "C", "D"})
            l << QStringLiteral("%1%2").arg(q).arg(QLatin1String(a));
        l << QString::number((q - 1) % 4 + 1) << QStringLiteral(" ");
    }
    return l;
}

QByteArray crlf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

questionfile::LoadResult load(QByteArray bytes, questionfile::Worksheet &sheet)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return questionfile::LoadQuestionFile(&buffer, sheet);
}

} // namespace

class TestQuestionFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsInFileOrder();
    void surprisingTexts_data();
    void surprisingTexts();
    void damagedFilesLeaveTheBankAlone_data();
    void damagedFilesLeaveTheBankAlone();
    void roundTrip();
    void writerLayout();
    void builtInFiles_data();
    void builtInFiles();
};

void TestQuestionFile::loadsInFileOrder()
{
    questionfile::Worksheet s;
    QStringList lines = goodLines();
    lines << QStringLiteral("anything after line 72") << QStringLiteral("is never read,");
    const auto r = load(crlf(lines), s);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.questionsRead, 10);
    QCOMPARE(s.title, QStringLiteral("Magnets"));
    QCOMPARE(s.question(1).text, QStringLiteral("Q1"));
    QCOMPARE(s.question(7).answers[2], QStringLiteral("7C"));
    QCOMPARE(s.question(10).answers[3], QStringLiteral("10D"));
    QCOMPARE(s.question(3).rightAnswer(), 3);
    QCOMPARE(s.question(5).rightAnswer(), 1);
}

void TestQuestionFile::surprisingTexts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("ampersand reads as comma") << "salt & pepper"
                                              << "salt , pepper";
    QTest::newRow("leading blanks lost") << "  two spaces"
                                         << "two spaces";
    QTest::newRow("leading quote cuts the text") << "\"Quoted\" rest"
                                                 << "Quoted";
}

void TestQuestionFile::surprisingTexts()
{
    QFETCH(QString, line);
    QFETCH(QString, loaded);
    QStringList lines = goodLines();
    lines[3] = line; // question 1, answer A
    questionfile::Worksheet s;
    QVERIFY(load(crlf(lines), s).ok());
    QCOMPARE(s.question(1).answers[0], loaded);
}

void TestQuestionFile::damagedFilesLeaveTheBankAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QStringList nine = goodLines();
    nine = nine.mid(0, 2 + 7 * 9);
    QTest::newRow("nine question blocks") << crlf(nine);
    QStringList noSeparator = goodLines();
    noSeparator.removeLast();
    QTest::newRow("last separator missing") << crlf(noSeparator);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("well-formed but over 1 MB") << crlf(goodLines()) + QByteArray(1024 * 1024, 'x');
    for (const char *digit : {"0", "5", "C", "", "12"}) {
        QStringList bad = goodLines();
        bad[2 + 7 * 4 + 5] = QString::fromLatin1(digit); // question 5's digit
        QTest::newRow(qPrintable(QStringLiteral("correct answer '%1'").arg(digit))) << crlf(bad);
    }
}

void TestQuestionFile::damagedFilesLeaveTheBankAlone()
{
    QFETCH(QByteArray, bytes);
    questionfile::Worksheet s;
    QVERIFY(load(crlf(goodLines(QStringLiteral("Earlier"))), s).ok());
    const auto r = load(bytes, s);
    QVERIFY(!r.ok());
    QVERIFY(!r.error.isEmpty());
    QCOMPARE(s.title, QStringLiteral("Earlier"));
    QCOMPARE(s.question(1).text, QStringLiteral("Q1"));
}

void TestQuestionFile::roundTrip()
{
    questionfile::Worksheet sheet;
    sheet.title = QStringLiteral("Magnets, part 1");
    for (int q = 0; q < 10; ++q) {
        sheet.questions[q].text = QStringLiteral("Which pole, north or south, is %1?").arg(q);
        sheet.questions[q].answers = {QStringLiteral("salt & pepper"), QStringLiteral("b"),
                                      QStringLiteral("c, d"), QStringLiteral("d")};
        sheet.questions[q].ticks[q % 4] = true;
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QVERIFY(questionfile::write(&out, sheet));
    QVERIFY(bytes.startsWith("Magnets& part 1\r\n \r\n"));
    QCOMPARE(bytes.count("\r\n"), 72);

    questionfile::Worksheet s;
    QVERIFY(load(bytes, s).ok());
    QCOMPARE(s.title, QStringLiteral("Magnets, part 1"));
    QCOMPARE(s.question(4).text, QStringLiteral("Which pole, north or south, is 3?"));
    QCOMPARE(s.question(1).answers[0], QStringLiteral("salt , pepper"));
    QCOMPARE(s.question(1).answers[2], QStringLiteral("c, d"));
    QCOMPARE(s.question(3).rightAnswer(), 3);
    QCOMPARE(questionfile::fileName(sheet.title), QStringLiteral("multiple/Magnets, part 1.txt"));

    // One character the code page lacks makes the whole file UTF-8.
    sheet.questions[9].answers[3] = QStringLiteral("D\u0175r, \u00f1, \u1ec7");
    bytes.clear();
    out.seek(0);
    QVERIFY(questionfile::write(&out, sheet));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFMagnets& part 1\r\n"));
    QVERIFY(load(bytes, s).ok());
    QCOMPARE(s.question(10).answers[3], QStringLiteral("D\u0175r, \u00f1, \u1ec7"));
}

void TestQuestionFile::writerLayout()
{
    questionfile::Worksheet sheet;
    sheet.title = QStringLiteral("T");
    for (auto &q : sheet.questions) {
        q.text = QStringLiteral("q");
        q.answers = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                     QStringLiteral("d")};
        q.ticks[3] = true;
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QVERIFY(questionfile::write(&out, sheet));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 73); // 72 lines and the empty rest after the last line end
    QCOMPARE(lines[1], QByteArray(" \r"));
    QCOMPARE(lines[7], QByteArray("4\r"));
    QCOMPARE(lines[71], QByteArray(" \r"));
}

void TestQuestionFile::builtInFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    for (const char *language : {"", "es/"}) {
        const bool es = *language != 0;
        const QString folder = QLatin1String(language) + QStringLiteral("multiple/");
        QTest::addRow("%sintroduction", language)
            << folder + "introduction.txt"
            << (es ? QStringLiteral("Introducci\u00f3n") : QStringLiteral("Introduction"));
        QTest::addRow("%selectricity", language)
            << folder + "electricity.txt"
            << (es ? QStringLiteral("Electricidad") : QStringLiteral("Electricity"));
        QTest::addRow("%sMichael Faraday", language) << folder + "Michael Faraday.txt"
                                                     << "Michael Faraday";
    }
}

void TestQuestionFile::builtInFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFile source(QStringLiteral(QUORVEL_SOURCE_DIR "/content/") + file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    QCOMPARE(bytes.count('\n'), 72);
    QVERIFY2(!bytes.contains(',') && !bytes.contains('&'), "commas do not survive the reader");

    questionfile::Worksheet s;
    const auto r = load(ansi::encodeFile(QString::fromUtf8(bytes)), s); // as installed
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(s.title, title);
    QSet<QString> questions;
    for (int q = 1; q <= 10; ++q) {
        QVERIFY(!s.question(q).text.isEmpty());
        questions.insert(s.question(q).text);
        const QSet<QString> answers{s.question(q).answers[0], s.question(q).answers[1],
                                    s.question(q).answers[2], s.question(q).answers[3]};
        QCOMPARE(answers.size(), 4); // four different answers
    }
    QCOMPARE(questions.size(), 10);
}

QTEST_GUILESS_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
