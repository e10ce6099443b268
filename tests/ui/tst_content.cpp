// SPDX-License-Identifier: GPL-3.0-or-later
// Every content file the program names, gathered from the code's own tables, is in the run
// folder and decodes; no two different picture names hold the same image; every quiz answer is
// taught on its topic's Key Facts pages.

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
                          activity::pictures::GeneratorRest, activity::pictures::GeneratorIn,
                          activity::pictures::GeneratorOut})
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
    void answersAreTaught_data();
    void answersAreTaught();
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
    QVERIFY2(r.ok(), qPrintable(r.error));
    QVERIFY(r.metafile.header.placeable);
    QVERIFY(r.metafile.records.size() > 20);
}

void TestContent::questionFiles()
{
    for (const topics::Topic &row : topics::table()) {
        QFile file(contentpath::resolve(Run, row.questionFile));
        QVERIFY(file.open(QIODevice::ReadOnly));
        questionfile::Worksheet sheet;
        const auto r = questionfile::LoadQuestionFile(&file, sheet);
        QVERIFY2(r.ok(), qPrintable(row.questionFile + QLatin1Char(' ') + r.error));
        QCOMPARE(sheet.title, row.title);
    }
    QFile catalogue(contentpath::resolve(Run, contentnames::Catalogue));
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
}

void TestContent::answersAreTaught_data()
{
    // Per built-in quiz question, the words a pupil would look for on the topic's Key Facts pages
    // to find the answer.
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QStringList>("words");
    const QString intro = QStringLiteral("key introduction");
    const QString elec = QStringLiteral("key electricity");
    const QString fara = QStringLiteral("key faraday");
    QTest::newRow("introduction 1") << intro << QStringList{"force", "push or a pull"};
    QTest::newRow("introduction 2") << intro << QStringList{"friction", "match", "warm"};
    QTest::newRow("introduction 3")
        << intro << QStringList{"gravity", "roller coaster", "downhill"};
    QTest::newRow("introduction 4") << intro << QStringList{"magnetic", "iron", "aluminium"};
    QTest::newRow("introduction 5") << intro << QStringList{"push apart", "repel"};
    QTest::newRow("introduction 6")
        << intro << QStringList{"parachute", "air resistance", "falls slowly"};
    QTest::newRow("introduction 7") << intro << QStringList{"change the shape", "squashing"};
    QTest::newRow("introduction 8") << intro << QStringList{"weight", "pull of gravity"};
    QTest::newRow("introduction 9") << intro << QStringList{"rocket", "thrust"};
    QTest::newRow("introduction 10")
        << intro << QStringList{"lightning", "giant spark", "static electricity"};
    QTest::newRow("electricity 1") << elec << QStringList{"cell to push the current"};
    QTest::newRow("electricity 2") << elec << QStringList{"complete circuit", "no gaps"};
    QTest::newRow("electricity 3") << elec << QStringList{"switch that is off makes a gap"};
    QTest::newRow("electricity 4") << elec << QStringList{"copper", "good conductors"};
    QTest::newRow("electricity 5") << elec << QStringList{"plastic cover", "insulators"};
    QTest::newRow("electricity 6") << elec << QStringList{"mains", "socket", "deadly shock"};
    QTest::newRow("electricity 7") << elec << QStringList{"more cells make a bulb brighter"};
    QTest::newRow("electricity 8") << elec << QStringList{"balloon", "static electricity"};
    QTest::newRow("electricity 9") << elec << QStringList{"thunderstorm", "inside a building"};
    QTest::newRow("electricity 10") << elec << QStringList{"bulb", "into light"};
    QTest::newRow("faraday 1") << fara << QStringList{"born in london in 1791"};
    QTest::newRow("faraday 2") << fara << QStringList{"teenager", "apprentice", "bookbinder"};
    QTest::newRow("faraday 3") << fara << QStringList{"humphry davy", "royal institution"};
    QTest::newRow("faraday 4") << fara << QStringList{"christmas lectures", "children"};
    QTest::newRow("faraday 5") << fara << QStringList{"1821", "electric motor"};
    QTest::newRow("faraday 6") << fara << QStringList{"magnet into a coil", "current flowed"};
    QTest::newRow("faraday 7") << fara << QStringList{"copper disc", "first generator"};
    QTest::newRow("faraday 8") << fara << QStringList{"compass needle", "turn"};
    QTest::newRow("faraday 9") << fara << QStringList{"iron filings", "where the magnet pulls"};
    QTest::newRow("faraday 10") << fara << QStringList{"unit", "farad"};
}

void TestContent::answersAreTaught()
{
    QFETCH(QString, pages);
    QFETCH(QStringList, words);
    // Both pages of the set, as a pupil reads them: no bold markers, lines joined.
    QString text;
    for (const char letter : {'a', 'b'}) {
        QFile page(QStringLiteral(QUORVEL_SOURCE_DIR "/content/pages/%1%2.txt")
                       .arg(pages, QString(QLatin1Char(letter))));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        text += QString::fromUtf8(page.readAll()) + QLatin1Char(' ');
    }
    text = text.remove(QStringLiteral("**")).simplified().toLower();
    for (const QString &word : words)
        QVERIFY2(text.contains(word), qPrintable(word));
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
