// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound the program names plays through the real sound player on a real sound server
// (PulseAudio with a null sink, started by scripts/run-tests); a broken file plays nothing.

#include "contentnames.h"
#include "qtplatform.h"
#include "qtsound.h"
#include "results.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSound : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void plays_data();
    void plays();
    void brokenFilesPlayNothing();
};

void TestSound::initTestCase()
{
    QVERIFY2(!qEnvironmentVariable("PULSE_SERVER").isEmpty() ||
                 QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") +
                               QStringLiteral("/pulse/native")),
             "no sound server (run through scripts/run-tests)");
}

void TestSound::plays_data()
{
    QTest::addColumn<QString>("name");
    QStringList names = contentnames::fixedSounds();
    for (int score = 6; score <= 10; ++score)
        names << results::celebrationChoices(score);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestSound::plays()
{
    QFETCH(QString, name);
    RunFolderPaths paths(QStringLiteral(QUORVEL_RUN_DIR));
    QtSoundPlayer player(paths);
    player.play(name);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying(name), 3000);
}

void TestSound::brokenFilesPlayNothing()
{
    QTemporaryDir root;
    QDir(root.path()).mkdir(QStringLiteral("wav"));
    QFile broken(root.filePath(QStringLiteral("wav/broken.wav")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24);
    broken.close();
    RunFolderPaths paths(root.path());
    QtSoundPlayer player(paths);
    player.play(QStringLiteral("wav\\broken.wav"));
    player.play(QStringLiteral("wav\\missing.wav"));
    player.play(QStringLiteral("..\\..\\etc\\passwd"));
    QTest::qWait(200);
    QVERIFY(!player.isPlaying(QStringLiteral("wav\\broken.wav")));
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
