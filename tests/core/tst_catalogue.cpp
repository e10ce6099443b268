// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"
#include "contentpath.h"
#include "importer.h"
#include "savefile.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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
    void change_data();
    void change();
    void missingCatalogueFails();
    void removeClearsTheFreedSlot();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void recoverAfterKill();
    void twoProgramsAtOnce_data();
    void twoProgramsAtOnce();
    void lockLeftEmptyIsStale();
    void storableTitle_data();
    void storableTitle();
};

static QByteArray lines(const QStringList &l)
{
    return l.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

// A catalogue listing nothing, in dir.
static QString emptyCatalogue(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(lines({" 0 "}));
    return path;
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
    QTest::newRow("negative count")
        << lines({"-1", "Light"}) << ReadStatus::NoCount << 7 << QStringList{};
    QTest::newRow("last title without line end")
        << QByteArray(" 2 \r\nLight\r\nSou") << ReadStatus::Unended << 2
        << QStringList{"Light", "Sou"};
    QTest::newRow("over 1 MB") << lines({" 1 ", QString(1024 * 1024, QLatin1Char('x'))})
                               << ReadStatus::TooLarge << 7 << QStringList{};
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

    AppState state;
    state.worksheetCount = 7; // what an earlier read left behind
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(catalogue::read(&buffer, state), status);
    QCOMPARE(int(state.worksheetCount), count);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(state.worksheetTitles[i + 1], names[i]);
}

void TestCatalogue::overLimitKeepsFirstThousand()
{
    QStringList l{QStringLiteral(" 1005 ")};
    for (int i = 1; i <= 1005; ++i)
        l << QStringLiteral("Sheet %1").arg(i);
    QByteArray file = lines(l);
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    AppState state;
    QCOMPARE(catalogue::read(&buffer, state), ReadStatus::OverLimit);
    QCOMPARE(int(state.worksheetCount), 1000);
    QCOMPARE(state.worksheetTitles[1000], QStringLiteral("Sheet 1000"));
}

void TestCatalogue::zeroLeavesNamesUntouched()
{
    QByteArray file = lines({" 0 "});
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    AppState state;
    state.worksheetTitles[1] = QStringLiteral("Earlier");
    catalogue::read(&buffer, state);
    QCOMPARE(state.worksheetTitles[1], QStringLiteral("Earlier"));
    QCOMPARE(int(state.worksheetCount), 0);
}

static QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

static QStringList sheets(int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Sheet %1").arg(i);
    return l;
}

void TestCatalogue::change_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QByteArray>("after"); // empty: the file is byte for byte as before
    QTest::addColumn<QStringList>("held"); // the names in memory afterwards (when ok)

    const QByteArray three = lines({" 3 ", "Light", "Sound", "Magnets"});
    const QByteArray two = lines({" 2 ", "Light", "Sound"});
    QTest::newRow("add new title") << two << true << "Magnets" << true << true << three
                                   << QStringList{"Light", "Sound", "Magnets"};
    QTest::newRow("add listed title")
        << two << true << "Light" << true << false << QByteArray() << QStringList{"Light", "Sound"};
    QTest::newRow("add is case-sensitive")
        << two << true << "light" << true << true << lines({" 3 ", "Light", "Sound", "light"})
        << QStringList{"Light", "Sound", "light"};
    QTest::newRow("add to empty catalogue") << lines({" 0 "}) << true << "Magnets" << true << true
                                            << lines({" 1 ", "Magnets"}) << QStringList{"Magnets"};
    QTest::newRow("add to short catalogue") << lines({" 3 ", "Light", "Sound"}) << true << "Magnets"
                                            << false << false << QByteArray() << QStringList{};
    QTest::newRow("add to catalogue without count")
        << lines({"Light", "Sound"}) << true << "Magnets" << false << false << QByteArray()
        << QStringList{};
    QTest::newRow("add to catalogue with negative count")
        << lines({"-1", "Light"}) << true << "Magnets" << false << false << QByteArray()
        << QStringList{};
    QTest::newRow("remove from catalogue cut in its last title")
        << QByteArray(" 2 \r\nLight\r\nSou") << false << "Light" << false << false << QByteArray()
        << QStringList{};
    QTest::newRow("extra lines dropped on rewrite")
        << lines({" 2 ", "Light", "Sound", "Stray"}) << true << "Magnets" << true << true << three
        << QStringList{"Light", "Sound", "Magnets"};
    QTest::newRow("add to full catalogue")
        << lines(QStringList{" 1000 "} + sheets(1000)) << true << "Magnets" << false << false
        << QByteArray() << QStringList{};
    QTest::newRow("listed title in full catalogue")
        << lines(QStringList{" 1000 "} + sheets(1000)) << true << "Sheet 7" << true << false
        << QByteArray() << sheets(1000);
    QTest::newRow("add to over-full catalogue")
        << lines(QStringList{" 1001 "} + sheets(1001)) << true << "Sheet 7" << false << false
        << QByteArray() << QStringList{};
    QTest::newRow("add keeps code page")
        << two << true << QStringLiteral("Caf\u00e9") << true << true
        << QByteArray(" 3 \r\nLight\r\nSound\r\nCaf\xe9\r\n")
        << QStringList{"Light", "Sound", QStringLiteral("Caf\u00e9")};

    QTest::newRow("add outside the code page: UTF-8")
        << two << true << QStringLiteral("D\u0175r") << true << true
        << QByteArray("\xEF\xBB\xBF 3 \r\nLight\r\nSound\r\nD\xC5\xB5r\r\n")
        << QStringList{"Light", "Sound", QStringLiteral("D\u0175r")};
    QTest::newRow("remove from UTF-8, back to the code page")
        << QByteArray("\xEF\xBB\xBF 2 \r\nCaf\xC3\xA9\r\nD\xC5\xB5r\r\n") << false
        << QStringLiteral("D\u0175r") << true << true << QByteArray(" 1 \r\nCaf\xe9\r\n")
        << QStringList{QStringLiteral("Caf\u00e9")};

    QTest::newRow("remove middle")
        << three << false << "Sound" << true << true << lines({" 2 ", "Light", "Magnets"})
        << QStringList{"Light", "Magnets"};
    QTest::newRow("remove last") << three << false << "Magnets" << true << true << two
                                 << QStringList{"Light", "Sound"};
    QTest::newRow("remove only title") << lines({" 1 ", "Light"}) << false << "Light" << true
                                       << true << lines({" 0 "}) << QStringList{};
    QTest::newRow("remove later duplicate")
        << lines({" 3 ", "Light", "Sound", "Light"}) << false << "Light" << true << true
        << lines({" 2 ", "Light", "Sound"}) << QStringList{"Light", "Sound"};
    QTest::newRow("remove unlisted title")
        << three << false << "Gravity" << true << false << QByteArray()
        << QStringList{"Light", "Sound", "Magnets"};
    QTest::newRow("remove is case-sensitive")
        << three << false << "sound" << true << false << QByteArray()
        << QStringList{"Light", "Sound", "Magnets"};
    QTest::newRow("remove from short catalogue")
        << lines({" 4 ", "Light", "Sound", "Magnets"}) << false << "Sound" << false << false
        << QByteArray() << QStringList{};
    QTest::newRow("remove drops lines past the count")
        << lines({" 2 ", "Light", "Sound", "Magnets"}) << false << "Light" << true << true
        << lines({" 1 ", "Sound"}) << QStringList{"Sound"};
}

void TestCatalogue::change()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, adding);
    QFETCH(QString, title);
    QFETCH(bool, ok);
    QFETCH(bool, changed);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, held);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    AppState state;
    state.worksheetCount = 1;
    state.worksheetTitles[1] = QStringLiteral("Before");
    const catalogue::Change result =
        adding ? catalogue::add(path, title, state) : catalogue::remove(path, title, state);
    QCOMPARE(result.ok(), ok);
    QCOMPARE(result.changed, changed);
    QCOMPARE(result.error.isEmpty(), ok);
    QCOMPARE(readFile(path), after.isEmpty() ? before : after);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"track.txt"});
    if (!ok) {
        QCOMPARE(int(state.worksheetCount), 1); // memory untouched by a failed change
        QCOMPARE(state.worksheetTitles[1], QStringLiteral("Before"));
        return;
    }
    QCOMPARE(int(state.worksheetCount), held.size());
    for (int i = 0; i < held.size(); ++i)
        QCOMPARE(state.worksheetTitles[i + 1], held[i]);
}

void TestCatalogue::missingCatalogueFails()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    AppState state;
    QVERIFY(!catalogue::add(path, QStringLiteral("Light"), state).ok());
    QVERIFY(!catalogue::remove(path, QStringLiteral("Light"), state).ok());
    QVERIFY(!QFile::exists(path)); // never created
    QVERIFY(!catalogue::add(QString(), QStringLiteral("Light"), state).ok());
}

void TestCatalogue::removeClearsTheFreedSlot()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(lines({" 2 ", "Light", "Sound"}));
    f.close();
    AppState state;
    QVERIFY(catalogue::remove(path, QStringLiteral("Light"), state).ok());
    QCOMPARE(state.worksheetTitles[1], QStringLiteral("Sound"));
    QCOMPARE(state.worksheetTitles[2], QString());
}

void TestCatalogue::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<qint64>("fileSizeLimit"); // bytes any file may grow to; 0: no limit
    // A name at the file system's length limit leaves no room for the lock beside it.
    QTest::newRow("lock refused") << 251 << qint64(0);
    // The disk fills up while the new catalogue is written (the lock file is smaller).
    QTest::newRow("disk full") << 5 << qint64(300);
}

void TestCatalogue::failedWriteKeepsTheOldFile()
{
    QFETCH(int, nameLength);
    QFETCH(qint64, fileSizeLimit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(nameLength, QLatin1Char('t')) + ".txt");
    const QByteArray before = lines(QStringList{" 50 "} + sheets(50));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    if (fileSizeLimit > 0) {
        signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
        rlimit limited = unlimited;
        limited.rlim_cur = rlim_t(fileSizeLimit);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    }
    AppState state;
    const catalogue::Change added = catalogue::add(path, QStringLiteral("Magnets"), state);
    const catalogue::Change removed = catalogue::remove(path, QStringLiteral("Sheet 1"), state);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    QVERIFY(!added.ok());
    QVERIFY(!added.changed);
    QVERIFY2(added.error.contains(QLatin1String("written")), qPrintable(added.error));
    QVERIFY(!removed.ok());
    QCOMPARE(readFile(path), before);
    QCOMPARE(int(state.worksheetCount), 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void TestCatalogue::recoverAfterKill()
{
    // Killed after writing "Magnets.txt" (marked) and half way through a temporary file; a marker
    // whose worksheet was never written; a fresh temporary file of a save going on elsewhere.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("track.txt"));
    auto put = [&](const QString &name, const QByteArray &bytes, int ageSeconds = 0) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.flush();
        f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                      QFileDevice::FileModificationTime);
    };
    put(QStringLiteral("track.txt"), lines({" 1 ", "Light"}));
    QStringList sheet{"Magnets", " "};
    for (int q = 1; q <= 10; ++q)
        sheet << "Q"
              << "A"
              << "B"
              << "C"
              << "D"
              << "1"
              << " ";
    put(QStringLiteral("Magnets.txt"), lines(sheet));
    put(QStringLiteral("Magnets.pending"), QByteArray());
    put(QStringLiteral("Sound.pending"), QByteArray());
    put(QStringLiteral(".quorvel-save-Ab12Cd"), " 3 \r\nLi", 120);
    put(QStringLiteral(".quorvel-save-Zz9yX8"), "Grav", 2);
    // A teacher's own files that only look like temporary ones.
    put(QStringLiteral("Gravity.txt.Zz9yX8"), "Grav", 120);
    put(QStringLiteral("Notes.pending.a1b2c3"), "mine", 120);

    catalogue::recover(path);
    QCOMPARE(readFile(path), lines({" 2 ", "Light", "Magnets"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{".quorvel-save-Zz9yX8", "Gravity.txt.Zz9yX8", "Magnets.txt",
                          "Notes.pending.a1b2c3", "track.txt"}));
}

// Twenty pairs of saves at once: this test runs itself twice over, each copy saving its twenty
// as fast as it can: added titles, or imports that all want the same title.
void TestCatalogue::twoProgramsAtOnce_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("secondTitle");
    QTest::newRow("adds") << "--add"
                          << "Second";
    QTest::newRow("imports of one title") << "--import"
                                          << "First";
}

void TestCatalogue::twoProgramsAtOnce()
{
    QFETCH(QString, mode);
    QFETCH(QString, secondTitle);
    QTemporaryDir dir;
    const QString path = emptyCatalogue(dir);
    QProcess first, second;
    first.start(QCoreApplication::applicationFilePath(), {mode, path, "First"});
    second.start(QCoreApplication::applicationFilePath(), {mode, path, secondTitle});
    QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
    QCOMPARE(first.exitCode() + second.exitCode(), 0);
    const QByteArray after = readFile(path);
    QVERIFY2(after.startsWith(" 40 \r\n") && after.count("\r\n") == 41, after.constData());
    if (mode == QLatin1String("--import")) // every title listed has its own file
        QCOMPARE(QDir(dir.path()).entryList({"First*.txt"}, QDir::Files).size(), 40);
}

// A program killed between making the lock and writing its name into it.
void TestCatalogue::lockLeftEmptyIsStale()
{
    QTemporaryDir dir;
    const QString path = emptyCatalogue(dir);
    QFile lock(catalogue::lockPath(path));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime);
    lock.close();
    QElapsedTimer timer;
    timer.start();
    AppState state;
    QVERIFY(catalogue::add(path, QStringLiteral("Light"), state).ok());
    QVERIFY2(timer.elapsed() < 5000, "waited for a lock its maker never finished");
}

void TestCatalogue::storableTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("storable");
    QTest::newRow("plain") << "Magnets" << true;
    QTest::newRow("inner spaces and digits") << "Forces 2  and friction" << true;
    QTest::newRow("25 characters") << "abcdefghijklmnopqrstuvwxy" << true;
    QTest::newRow("apostrophe and hyphen") << "Pupil's test - week 3" << true;
    QTest::newRow("accented") << QStringLiteral("Caf\u00e9") << true;
    QTest::newRow("inner single dot") << "Unit 3.2" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("comma") << "Magnets, part 1" << false;
    QTest::newRow("leading quote") << "\"Magnets" << false;
    QTest::newRow("inner quote") << "The \"push\"" << false;
    QTest::newRow("leading blank") << " Magnets" << false;
    QTest::newRow("trailing blank") << "Magnets " << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("parent folder") << ".." << false;
    QTest::newRow("dots inside") << "a..b" << false;
    QTest::newRow("leading dot") << ".hidden" << false;
    QTest::newRow("trailing dot") << "Magnets." << false;
    QTest::newRow("colon") << "Unit: 3" << false;
    QTest::newRow("star") << "a*" << false;
    QTest::newRow("pipe") << "a|b" << false;
    QTest::newRow("angle") << "a<b" << false;
    QTest::newRow("ampersand") << "Salt & pepper" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("line break") << "a\nb" << false;
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b") << false;
    QTest::newRow("outside code page") << QStringLiteral("\u03a9 ohms") << true;
    QTest::newRow("half a character") << QStringLiteral("\xd83d ohms") << false;
    QTest::newRow("emoji of two joined")
        << QStringLiteral("Lab \U0001F469\u200D\U0001F52C") << true;
    QTest::newRow("C1 control") << QStringLiteral("a\u0081") << false;
    QTest::newRow("device name") << "Con" << false;
    QTest::newRow("numbered device") << "lpt1" << false;
    QTest::newRow("device-like word") << "Console" << true;
}

void TestCatalogue::storableTitle()
{
    QFETCH(QString, title);
    QFETCH(bool, storable);
    QCOMPARE(catalogue::isStorableTitle(title), storable);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--add") {
        AppState state;
        for (int i = 1; i <= 20; ++i) {
            const QString title =
                QStringLiteral("%1 %2").arg(QString::fromLocal8Bit(argv[3])).arg(i);
            if (!catalogue::add(QString::fromLocal8Bit(argv[2]), title, state).ok())
                return 1;
        }
        return 0;
    }
    if (argc == 4 && QByteArray(argv[1]) == "--import") {
        const QString path = QString::fromLocal8Bit(argv[2]);
        QByteArray gift;
        for (int q = 1; q <= 10; ++q)
            gift += QStringLiteral("Question %1?{=r ~w ~x ~y}\n\n").arg(q).toUtf8();
        QBuffer buffer(&gift);
        buffer.open(QIODevice::ReadOnly);
        const exchange::ReadResult read = exchange::read(&buffer, exchange::Format::Gift);
        const importer::PathOf pathOf = [&](const QString &name) {
            return contentpath::resolve(QFileInfo(path).path(),
                                        QFileInfo(QString(name).replace('\\', '/')).fileName());
        };
        AppState state;
        for (int i = 1; i <= 20; ++i) {
            if (importer::import(read, QString::fromLocal8Bit(argv[3]), pathOf, state)
                    .written.size() != 1)
                return 1;
        }
        return 0;
    }
    TestCatalogue test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_catalogue.moc"
