// SPDX-License-Identifier: GPL-3.0-or-later
// Every content file the program names, gathered from the code's own tables, is in the run
// folder and decodes; no two different picture names hold the same image.

#include "activitydata.h"
#include "contentnames.h"
#include "contentpath.h"
#include "metafile/metafile.h"
#include "pages.h"
#include "qtplatform.h"
#include "qtsound.h"
#include "questionfile.h"
#include "results.h"
#include "topics.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QTest>

namespace
{

const QString Run = QStringLiteral(QUORVEL_RUN_DIR);

QStringList pictures()
{
    QStringList names = contentnames::fixedPictures();
    for (const topics::Topic &row : topics::table())
        names << row.picture << row.quizPicture;
    for (const activity::ActivityDesign *d : activity::allDesigns()) {
        for (const activity::PictureDesign &p : d->pictures)
            names << p.file;
    }
    for (const char *p : {activity::pictures::CircuitOff, activity::pictures::CircuitOn,
                          activity::pictures::SwitchOff, activity::pictures::SwitchOn,
                          activity::pictures::CompassOff, activity::pictures::CompassOn,
                          activity::pictures::GeneratorRest, activity::pictures::GeneratorMoving})
        names << QString::fromLatin1(p);
    for (int frame = 0; frame < pages::LogoFrames; ++frame)
        names << pages::logoFrameFile(frame);
    names.removeDuplicates();
    return names;
}

QStringList sounds()
{
    QStringList names = contentnames::fixedSounds();
    for (int score = 0; score <= 10; ++score)
        names << results::celebrationChoices(score);
    names.removeDuplicates();
    return names;
}

QStringList metafiles()
{
    QStringList names{contentnames::AcknowledgmentsPage, contentnames::AcknowledgmentsPrintCopy};
    for (const topics::Topic &row : topics::table()) {
        for (int page = 1; page <= row.keyFactsPages; ++page)
            names << pages::pageFile(row.keyFacts, page, false)
                  << pages::pageFile(row.keyFacts, page, true);
        for (int page = 1; page <= row.teachersNotesPages; ++page)
            names << pages::pageFile(row.teachersNotes, page, false)
                  << pages::pageFile(row.teachersNotes, page, true);
    }
    for (int page = 1; page <= pages::GuidePages; ++page)
        names << pages::guideFile(page, false) << pages::guideFile(page, true);
    return names;
}

QByteArray contents(const QString &name)
{
    QFile file(contentpath::resolve(Run, name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void picture_data();
    void picture();
    void picturesAreDifferent();
    void sound_data();
    void sound();
    void metafile_data();
    void metafile();
    void questionFiles();
    void playable_data();
    void playable();
};

void TestContent::picture_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : pictures())
        QTest::newRow(qPrintable(name)) << name;
}

void TestContent::picture()
{
    QFETCH(QString, name);
    const QString path = contentpath::resolve(Run, name);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    QImageReader reader(path);
    const QString suffix = QFileInfo(name).suffix().toLower().toLatin1();
    QCOMPARE(QString::fromLatin1(reader.format()),
             suffix == QLatin1String("jpg") ? QStringLiteral("jpeg") : suffix);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QVERIFY(image.width() >= 50 && image.height() >= 50);
}

void TestContent::picturesAreDifferent()
{
    QHash<QByteArray, QString> seen;
    for (const QString &name : pictures()) {
        const QString key = contentpath::resolve(Run, name);
        const QImage image(key);
        if (image.isNull())
            continue; // reported by picture()
        const QByteArray hash = QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()),
            QCryptographicHash::Sha1);
        if (seen.contains(hash) && seen[hash] != key)
            QFAIL(
                qPrintable(QStringLiteral("%1 and %2 are the same picture").arg(seen[hash], key)));
        seen.insert(hash, key);
    }
    QVERIFY(seen.size() >= 40);
}

void TestContent::sound_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : sounds())
        QTest::newRow(qPrintable(name)) << name;
    QCOMPARE(sounds().size(), 17);
}

void TestContent::sound()
{
    QFETCH(QString, name);
    const QByteArray wav = contents(name);
    QVERIFY2(!wav.isEmpty(), qPrintable(name));
    QVERIFY(QtSoundPlayer::isPlayable(wav));
}

void TestContent::metafile_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : metafiles())
        QTest::newRow(qPrintable(name)) << name;
}

void TestContent::metafile()
{
    QFETCH(QString, name);
    const wmf::ReadResult r = wmf::read(contents(name));
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(r.metafile.header.placeable);
    QVERIFY(r.metafile.records.size() > 20);
}

void TestContent::questionFiles()
{
    for (const topics::Topic &row : topics::table()) {
        QFile file(contentpath::resolve(Run, row.questionFile));
        QVERIFY(file.open(QIODevice::ReadOnly));
        Module1 state;
        const auto r = questionfile::LoadQuestionFile(&file, state);
        QVERIFY2(r.ok, qPrintable(row.questionFile + QLatin1Char(' ') + r.error));
        QCOMPARE(state.QuizTitle, row.title);
    }
    QFile catalogue(contentpath::resolve(Run, contentnames::Catalogue));
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
}

static QByteArray wavBytes(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                           quint32 dataSize, bool withData = true)
{
    QByteArray b("RIFF\0\0\0\0WAVEfmt ", 16);
    const auto put16 = [&](quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto put32 = [&](quint32 v) {
        put16(quint16(v & 0xffff));
        put16(quint16(v >> 16));
    };
    put32(16);
    put16(tag);
    put16(channels);
    put32(rate);
    put32(rate * channels * bits / 8);
    put16(quint16(channels * bits / 8));
    put16(bits);
    if (withData) {
        b.append("data");
        put32(dataSize);
        b.append(QByteArray(int(dataSize), '\0'));
    }
    return b;
}

void TestContent::playable_data()
{
    QTest::addColumn<QByteArray>("wav");
    QTest::addColumn<bool>("playable");
    QTest::newRow("16-bit mono PCM") << wavBytes(1, 1, 22050, 16, 100) << true;
    QTest::newRow("8-bit stereo PCM") << wavBytes(1, 2, 11025, 8, 100) << true;
    QTest::newRow("ADPCM") << wavBytes(2, 1, 22050, 4, 100) << false;
    QTest::newRow("24-bit") << wavBytes(1, 1, 44100, 24, 99) << false;
    QTest::newRow("no data chunk") << wavBytes(1, 1, 22050, 16, 0, false) << false;
    QTest::newRow("empty data") << wavBytes(1, 1, 22050, 16, 0) << false;
    QTest::newRow("rate 0") << wavBytes(1, 1, 0, 16, 100) << false;
    QTest::newRow("not RIFF") << QByteArray("hello world, not a sound at all") << false;
    QTest::newRow("truncated fmt") << wavBytes(1, 1, 22050, 16, 100).left(24) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestContent::playable()
{
    QFETCH(QByteArray, wav);
    QFETCH(bool, playable);
    QCOMPARE(QtSoundPlayer::isPlayable(wav), playable);
}

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
