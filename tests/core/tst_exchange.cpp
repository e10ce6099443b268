// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"
#include "contentpath.h"
#include "exchange/exchange.h"
#include "importer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using exchange::Format;

namespace
{

exchange::ReadResult readBytes(QByteArray bytes, Format format)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return exchange::read(&buffer, format);
}

// A question as "text|A|B|C|D|right letter".
QString summary(const questionfile::Question &q)
{
    QString right;
    for (int a = 0; a < 4; ++a) {
        if (q.ticks[a])
            right += QChar(u'A' + a);
    }
    return QStringList{q.text, q.answers[0], q.answers[1], q.answers[2], q.answers[3], right}.join(
        QLatin1Char('|'));
}

// A file of tests/core/data/exchange, written as teachers' and platforms' files are.
QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/tests/core/data/exchange/") +
               QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray giftQuestions(int n)
{
    QByteArray out;
    for (int i = 1; i <= n; ++i)
        out += QStringLiteral("::n%1::Question %1?{=r%1 ~w ~x ~y}\n\n").arg(i).toUtf8();
    return out;
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data();
    void reads();
    void roundTrips_data();
    void roundTrips();
    void aikenReportsWhatItCannotCarry();
    void importsTenToAWorksheet();
    void nothingImportable_data();
    void nothingImportable();
    void stopsPartWayWithEarlierWorksheetsComplete();
};

void TestExchange::reads_data()
{
    QTest::addColumn<int>("format"); // -1: as sniff tells it, the row's name as the file name
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("taken");   // summary of the one question taken, or empty
    QTest::addColumn<QString>("skipped"); // the message for the one question skipped, or empty
    const int gift = int(Format::Gift), aiken = int(Format::Aiken);

    QTest::newRow("markers.gift") << -1 << fixture("markers.gift")
                                  << "Which metal does a magnet pull?|Copper|Iron|Gold|Aluminium|B"
                                  << QString();
    QTest::newRow("entities.gift")
        << -1 << fixture("entities.gift")
        << QString::fromUtf8("A compass needle\u2019s north end points to\u2026|the Earth\u2019s "
                             "north|the Sun\u2019s light|the ground|Cr\u00e8me br\u00fbl\u00e9e|A")
        << "Skipped \"Less than\": it writes \"&lt;\" in a text that is not HTML, which a "
           "worksheet cannot hold as written.";
    QTest::newRow("braces-heading.txt")
        << -1 << fixture("braces-heading.txt")
        << "Which symbol is drawn as {--| |--} in a circuit?|a cell|a lamp|a switch|a buzzer|A"
        << "Skipped line 1 (\"Year 6 circuits: quiz 1\"): it is a heading, not a question.";
    QTest::newRow("cloze.gift")
        << -1 << fixture("cloze.gift")
        << "Which of these conducts electricity?|copper|plastic|wood|rubber|A"
        << "Skipped \"Circuit cloze\": it is a fill-in question.";

    QTest::newRow("gift: named, comments, category")
        << gift
        << QByteArray("// a comment\n$CATEGORY: $course$/Forces\n\n"
                      "::Push::\n  // a comment inside\nWhat is a push?{~a pull =a force "
                      "~a magnet ~a wire}\n")
        << "What is a push?|a pull|a force|a magnet|a wire|B" << QString();
    QTest::newRow("gift: BOM, CR LF, lines, feedback")
        << gift
        << QByteArray("\xEF\xBB\xBFWhich one\r\nis a magnet?\r\n{\r\n~wood#No.\r\n=iron#Yes!"
                      "\r\n~glass\r\n~paper####General\r\n}\r\n")
        << "Which one is a magnet?|wood|iron|glass|paper|B" << QString();
    QTest::newRow("gift: html")
        << gift << QByteArray("[html]<p><b>Heat</b> &amp; light&#33;</p>{=yes ~no ~maybe ~never}")
        << "Heat and light!|yes|no|maybe|never|A" << QString();
    QTest::newRow("gift: html, numeric entity unescaped in an answer")
        << gift << QByteArray("[html]Whose light?{=the Sun&#8217;s &#x3A9; ~its own ~fire ~stars}")
        << QString::fromUtf8("Whose light?|the Sun\u2019s \u03a9|its own|fire|stars|A")
        << QString();
    QTest::newRow("gift: html, entity left after decoding")
        << gift << QByteArray("::tick::[html]Ticked?{=&check; ~no ~maybe ~never}") << QString()
        << "Skipped \"tick\": it writes \"&check;\", which a worksheet cannot hold as written.";
    QTest::newRow("gift: escapes")
        << gift << QByteArray("[plain]1\\=1\\: \\{so\\} \\~ \\# \\\\ \\n ok?{=a\\=b ~c ~d ~e}")
        << "1=1: {so} ~ # \\ ok?|a=b|c|d|e|A" << QString();
    QTest::newRow("gift: weights")
        << gift << QByteArray("Q?{~%0%a ~%-50%b ~%100%c ~d}") << "Q?|a|b|c|d|C" << QString();
    QTest::newRow("gift: comma and ampersand")
        << gift << QByteArray("Salt, pepper & oil?{=A&B ~c ~d ~e}")
        << "Salt, pepper and oil?|A and B|c|d|e|A" << QString();
    QTest::newRow("gift: missing word")
        << gift << QByteArray("The Sun is a {=star ~planet ~moon ~comet} in the sky.")
        << "The Sun is a _____ in the sky.|star|planet|moon|comet|A" << QString();
    QTest::newRow("gift: true/false")
        << gift << QByteArray("::tf::The Sun is hot.{TRUE#yes}") << QString()
        << "Skipped \"tf\": it is a true/false question.";
    QTest::newRow("gift: short answer")
        << gift << QByteArray("::sa::Two and two?{=four =4}") << QString()
        << "Skipped \"sa\": it is a short-answer question.";
    QTest::newRow("gift: matching")
        << gift << QByteArray("::m::Match.{=cat -> animal =rose -> flower =iron -> metal}")
        << QString() << "Skipped \"m\": it is a matching question.";
    QTest::newRow("gift: numeric") << gift << QByteArray("::n::Pi?{#3.14:0.01}") << QString()
                                   << "Skipped \"n\": it is a numeric question.";
    QTest::newRow("gift: essay") << gift << QByteArray("::e::Write about magnets.{}") << QString()
                                 << "Skipped \"e\": it is an essay question.";
    QTest::newRow("gift: five answers") << gift << QByteArray("::f::Q?{=a ~b ~c ~d ~e}")
                                        << QString() << "Skipped \"f\": it has 5 answers, not 4.";
    QTest::newRow("gift: several right") << gift << QByteArray("::s::Q?{=a =b ~c ~d}") << QString()
                                         << "Skipped \"s\": it has 2 right answers, not 1.";
    QTest::newRow("gift: Welsh and Vietnamese")
        << gift
        << QByteArray("D\xC5\xB5r?{=n\xC6\xB0\xE1\xBB\x9B"
                      "c ~\xC3\xB1 ~\xE1\xBB\x87 ~\xE2\x98\x83}")
        << QString::fromUtf8("D\xC5\xB5r?|n\xC6\xB0\xE1\xBB\x9B"
                             "c|\xC3\xB1|\xE1\xBB\x87|\xE2\x98\x83|A")
        << QString();
    QTest::newRow("gift: question of 61 characters")
        << gift << (QByteArray("::long::") + QByteArray(61, 'q') + "{=a ~b ~c ~d}") << QString()
        << "Skipped \"long\": its question is longer than 60 characters.";
    QTest::newRow("gift: answer of 31 characters")
        << gift << (QByteArray("::long::Q?{~a =") + QByteArray(31, 'b') + " ~c ~d}") << QString()
        << "Skipped \"long\": answer B is longer than 30 characters.";
    QTest::newRow("gift: closing brace missing")
        << gift << QByteArray("::u::Q?{=a ~b ~c ~d") << QString()
        << "Skipped \"u\": its closing brace is missing.";
    QTest::newRow("gift: closing brace alone")
        << gift << QByteArray("::c::Q? =a ~b}") << QString()
        << "Skipped \"c\": it has a closing brace without an opening one.";

    QTest::newRow("aiken: both option styles")
        << aiken << QByteArray("What is 2+2?\r\nA) 3\r\nB) 4\r\nC. 5\r\nD. 6\r\nANSWER: B\r\n")
        << "What is 2+2?|3|4|5|6|B" << QString();
    QTest::newRow("aiken: two answers")
        << aiken << QByteArray("\nIs it on?\nA. Yes\nB. No\nANSWER: A\n") << QString()
        << "Skipped line 2 (\"Is it on?\"): it has 2 answers, not 4.";
    QTest::newRow("aiken: no ANSWER line")
        << aiken << QByteArray("Q one\nA. a\nB. b\nC. c\nD. d\n") << QString()
        << "Skipped line 1 (\"Q one\"): it has no ANSWER line.";
    QTest::newRow("aiken: ANSWER names no option")
        << aiken << QByteArray("Q\nA. a\nB. b\nC. c\nD. d\nANSWER: E\n") << QString()
        << "Skipped line 1 (\"Q\"): its ANSWER line names none of its answers.";
    QTest::newRow("aiken: a letter twice")
        << aiken << QByteArray("Q\nA. Iron\nA. Copper\nC. c\nD. d\nANSWER: A\n") << QString()
        << "Skipped line 1 (\"Q\"): two of its answers have the letter A.";
    QTest::newRow("gift: DEL in an answer")
        << gift << QByteArray("::d::Q?{=a\x7F ~b ~c ~d}") << QString()
        << "Skipped \"d\": it holds an invisible control character (U+007F).";
    QTest::newRow("gift: C1 control in the question")
        << gift << QByteArray("::d::Q\xC2\x90?{=a ~b ~c ~d}") << QString()
        << "Skipped \"d\": it holds an invisible control character (U+0090).";
    QTest::newRow("gift: NEL, a C1 control the toolkit counts as a blank")
        << gift << QByteArray("::d::Q\xC2\x85?{=a ~b ~c ~d}") << QString()
        << "Skipped \"d\": it holds an invisible control character (U+0085).";
    QTest::newRow("gift: UTF-8 with one stray byte")
        << gift << QByteArray("Caf\xC3\xA9 or caf\xE9?{=a ~b ~c ~d}")
        << QString::fromUtf8("Caf\xC3\xA9 or caf\xC3\xA9?|a|b|c|d|A") << QString();
    QTest::newRow("gift: UTF-16") << gift
                                  << QByteArray("\xFF\xFE") +
                                         QByteArray(
                                             reinterpret_cast<const char *>(u"Q?{=a ~b ~c ~d}"), 30)
                                  << "Q?|a|b|c|d|A" << QString();
    QTest::newRow("gift: UTF-16 without its mark")
        << gift << QByteArray(reinterpret_cast<const char *>(u"Q?{=a ~b ~c ~d}"), 30)
        << "Q?|a|b|c|d|A" << QString();
    QTest::newRow("gift: a long name quoted short")
        << gift << (QByteArray("::") + QByteArray(5000, 'n') + "::Q?{=a =b ~c ~d}") << QString()
        << "Skipped \"" + QString(57, QLatin1Char('n')) + "...\": it has 2 right answers, not 1.";
}

void TestExchange::reads()
{
    QFETCH(int, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, taken);
    QFETCH(QString, skipped);
    const exchange::ReadResult r = readBytes(
        bytes, format < 0 ? exchange::sniff(bytes, QTest::currentDataTag()) : Format(format));
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.skipped, skipped.isEmpty() ? QStringList() : QStringList{skipped});
    QCOMPARE(r.questions.size(), taken.isEmpty() ? 0 : 1);
    if (!taken.isEmpty())
        QCOMPARE(summary(r.questions[0]), taken);
}

void TestExchange::roundTrips_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("format");
    for (const char *file : {"introduction.txt", "electricity.txt", "Michael Faraday.txt"}) {
        QTest::addRow("%s as GIFT", file) << QString::fromLatin1(file) << int(Format::Gift);
        QTest::addRow("%s as Aiken", file) << QString::fromLatin1(file) << int(Format::Aiken);
    }
    QTest::newRow("special characters as GIFT") << QString() << int(Format::Gift);
    QTest::newRow("special characters as Aiken") << QString() << int(Format::Aiken);
}

void TestExchange::roundTrips()
{
    QFETCH(QString, file);
    QFETCH(int, format);
    questionfile::Worksheet bank;
    if (file.isEmpty()) {
        bank.title = QStringLiteral("Odd: {one}");
        for (int q = 1; q <= 10; ++q) {
            bank.question(q).text = QStringLiteral("a=b, {c} ~d #e: \\f //g %1?").arg(q);
            bank.question(q).answers[0] = QStringLiteral("=%100% {a} ~b #c :d");
            bank.question(q).answers[1] = QStringLiteral("~x#y {=} :");
            bank.question(q).answers[2] = QStringLiteral("%100% T {}=~#:");
            bank.question(q).answers[3] = QStringLiteral("-> :: {#} =~");
            bank.question(q).ticks[size_t((q - 1) % 4)] = true;
        }
        bank.question(10).text = QStringLiteral("[html]<b>10</b>?");
    } else {
        QFile source(QStringLiteral(QUORVEL_SOURCE_DIR "/content/multiple/") + file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(questionfile::LoadQuestionFile(&source, bank).ok());
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    const exchange::WriteResult w = exchange::write(&out, Format(format), bank);
    QVERIFY(w.ok());
    QCOMPARE(w.problems, QStringList());
    QCOMPARE(exchange::sniff(bytes), Format(format));

    const exchange::ReadResult r = readBytes(bytes, Format(format));
    QVERIFY2(r.skipped.isEmpty(), qPrintable(r.skipped.join(QLatin1Char('\n'))));
    QCOMPARE(r.questions.size(), 10);
    for (int q = 1; q <= 10; ++q) {
        const QString expected =
            QStringList{bank.question(q).text,
                        bank.question(q).answers[0],
                        bank.question(q).answers[1],
                        bank.question(q).answers[2],
                        bank.question(q).answers[3],
                        QString(QChar(u'A' + bank.question(q).rightAnswer() - 1))}
                .join(QLatin1Char('|'));
        QCOMPARE(summary(r.questions[q - 1]), expected);
    }
}

void TestExchange::aikenReportsWhatItCannotCarry()
{
    questionfile::Worksheet bank;
    for (int q = 1; q <= 10; ++q) {
        bank.question(q).text = QStringLiteral("Q");
        bank.question(q).answers.fill(QStringLiteral("a"));
        bank.question(q).ticks[0] = true;
    }
    bank.question(2).text = QStringLiteral("Two\nlines");
    bank.question(3).text = QStringLiteral("B. looks like an answer");
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    const exchange::WriteResult w = exchange::write(&out, Format::Aiken, bank);
    QCOMPARE(w.problems,
             QStringList({"Question 2 holds a line break, written as a space.",
                          "Question 3 begins like an answer line and will not read back."}));
    QVERIFY(bytes.contains("\nTwo lines\nA. a\n"));
}

namespace
{

struct Folder {
    QTemporaryDir dir;
    QString multiple;
    explicit Folder(const QStringList &listed)
    {
        multiple = dir.filePath(QStringLiteral("multiple"));
        QDir().mkpath(multiple);
        QFile track(multiple + QStringLiteral("/track.txt"));
        track.open(QIODevice::WriteOnly);
        track.write(catalogue::format(listed));
    }
    importer::PathOf pathOf() const
    {
        return [this](const QString &name) { return contentpath::resolve(dir.path(), name); };
    }
    QByteArray catalogueBytes() const
    {
        QFile track(multiple + QStringLiteral("/track.txt"));
        track.open(QIODevice::ReadOnly);
        return track.readAll();
    }
};

} // namespace

void TestExchange::importsTenToAWorksheet()
{
    Folder folder({QStringLiteral("magnets"), QStringLiteral("Magnets 3")});
    QByteArray bytes = giftQuestions(25);
    bytes += "::tf::Hot?{T}\n";
    AppState state;
    const importer::Outcome o = importer::import(readBytes(bytes, Format::Gift),
                                                 QStringLiteral("Magnets"), folder.pathOf(), state);
    QCOMPARE(o.error, QString());
    // "magnets" is listed (a case-blind file system would share its file), so is "Magnets 3".
    QCOMPARE(o.written, QStringList({"Magnets 2", "Magnets 4"}));
    QCOMPARE(o.report,
             QStringList({"Skipped \"tf\": it is a true/false question.",
                          "Made the worksheet Magnets 2 of the questions taken 1 to 10.",
                          "Made the worksheet Magnets 4 of the questions taken 11 to 20.",
                          "Left over: the last 5 questions, too few for a worksheet of ten."}));
    QCOMPARE(folder.catalogueBytes(),
             catalogue::format({"magnets", "Magnets 3", "Magnets 2", "Magnets 4"}));
    QFile sheet(folder.multiple + QStringLiteral("/Magnets 4.txt"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    questionfile::Worksheet loaded;
    QVERIFY(questionfile::LoadQuestionFile(&sheet, loaded).ok());
    QCOMPARE(loaded.title, QStringLiteral("Magnets 4"));
    QCOMPARE(loaded.question(1).text, QStringLiteral("Question 11?"));
    QCOMPARE(loaded.question(10).rightAnswer(), 1);
    QCOMPARE(importer::titleForFile(QStringLiteral("/x/Forces: push, & pull.gift")),
             QStringLiteral("Forces push pull"));
}

void TestExchange::nothingImportable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("error");
    const QString none = QStringLiteral("The file holds no question that a worksheet can take.");
    QByteArray random(4096, 0);
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 7919 + 13) % 251);
    QTest::newRow("random bytes") << random << "T" << 0 << "The file is not a text file.";
    QTest::newRow("empty file") << QByteArray() << "T" << 0 << none;
    QTest::newRow("only comments") << QByteArray("// one\n//two\n") << "T" << 0 << none;
    QTest::newRow("50 MB") << QByteArray(50 * 1024 * 1024, 'x') << "T" << 0
                           << "The file is larger than 8 MB, too large for a question file.";
    QTest::newRow("nine questions")
        << giftQuestions(9) << "T" << 0
        << "The file holds only 9 questions that a worksheet can take; a worksheet needs ten.";
    QTest::newRow("mixed.gift")
        << fixture("mixed.gift") << "T" << 0
        << "The file holds only 3 questions that a worksheet can take; a worksheet needs ten.";
    QTest::newRow("one question") << giftQuestions(1) << "T" << 0
                                  << "The file holds only 1 question that a worksheet can take; "
                                     "a worksheet needs ten.";
    QTest::newRow("more worksheets than room")
        << giftQuestions(60) << "T" << 995
        << "The file would make 6 worksheets, but the catalogue has room for only 5 more (it "
           "holds at most 1000).";
    QTest::newRow("full catalogue") << giftQuestions(10) << "T" << 1000
                                    << "The catalogue of worksheets is full (1000 worksheets).";
    QTest::newRow("title with a comma") << giftQuestions(10) << "A, B" << 0
                                        << "The title cannot contain the sign ,. These signs "
                                           "cannot be used in a title: < > : \" / \\ | ? * , &";
}

void TestExchange::nothingImportable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(int, listed);
    QFETCH(QString, error);
    QStringList names;
    for (int i = 1; i <= listed; ++i)
        names << QStringLiteral("W%1").arg(i);
    Folder folder(names);
    const QByteArray before = folder.catalogueBytes();
    AppState state;
    const importer::Outcome o =
        importer::import(readBytes(bytes, Format::Gift), title, folder.pathOf(), state);
    QCOMPARE(o.error, error);
    QVERIFY(o.written.isEmpty());
    QCOMPARE(folder.catalogueBytes(), before);
    QCOMPARE(QDir(folder.multiple).count(), 3u); // ".", ".." and the catalogue
}

void TestExchange::stopsPartWayWithEarlierWorksheetsComplete()
{
    // The import saves its worksheets together (catalogue::saveWorksheets); the second one's file
    // cannot be written (its folder does not exist).
    Folder folder({});
    const exchange::ReadResult read = readBytes(giftQuestions(30), Format::Gift);
    QVector<questionfile::Worksheet> sheets(3);
    for (int s = 0; s < 3; ++s) {
        for (int q = 0; q < 10; ++q)
            sheets[s].questions[q] = read.questions[s * 10 + q];
        sheets[s].title =
            s == 0 ? QStringLiteral("Pulleys") : QStringLiteral("Pulleys %1").arg(s + 1);
    }
    catalogue::Save save;
    save.cataloguePath = folder.multiple + QStringLiteral("/track.txt");
    save.worksheetPath = [&](const QString &title) {
        return title == QLatin1String("Pulleys 2") ? folder.dir.filePath("gone/x.txt")
                                                   : folder.multiple + '/' + title + ".txt";
    };
    AppState state;
    int written = 0;
    const catalogue::Change change = catalogue::saveWorksheets(save, sheets, state, &written);
    QVERIFY(!change.ok());
    QCOMPARE(written, 1);
    QVERIFY(change.error.startsWith("The worksheet file of Pulleys 2 cannot be written"));
    QCOMPARE(folder.catalogueBytes(), catalogue::format({"Pulleys"}));
    QCOMPARE(QDir(folder.multiple).entryList(QDir::Files),
             QStringList({"Pulleys.txt", "track.txt"}));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
