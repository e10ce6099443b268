// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafile/metafile.h"
#include "metafile/wmfrecords.h"
#include "pagecomposer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using composer::Block;
using composer::Copy;

Q_DECLARE_METATYPE(composer::Copy)

namespace
{

const QString SourceDir = QStringLiteral(QUORVEL_SOURCE_DIR "/content");

struct Run {
    QPoint origin;
    int width = 0;
};

QVector<Run> textRuns(const wmf::Metafile &mf)
{
    QVector<Run> runs;
    for (const wmf::Record &r : mf.records) {
        if (r.function != wmf::META_EXTTEXTOUT)
            continue;
        Run run;
        run.origin = QPoint(qint16(r.params.value(1)), qint16(r.params.value(0)));
        const int length = r.params.value(2);
        const bool withRect = r.params.value(3) & (wmf::ETO_CLIPPED | wmf::ETO_OPAQUE);
        const int dxAt = 4 + (withRect ? 4 : 0) + (length + 1) / 2;
        for (int i = dxAt; i < r.params.size(); ++i)
            run.width += qint16(r.params[i]);
        runs << run;
    }
    return runs;
}

QVector<QRect> pictureFrames(const wmf::Metafile &mf)
{
    QVector<QRect> frames;
    for (const wmf::Record &r : mf.records) {
        if (r.function == wmf::META_STRETCHDIB && r.params.size() > 10)
            frames << QRect(qint16(r.params[10]), qint16(r.params[9]), qint16(r.params[8]),
                            qint16(r.params[7]));
    }
    return frames;
}

QByteArray drawing(const QString &file)
{
    for (const QString &dir : {QStringLiteral("/pages/"), QStringLiteral("/pictures/")}) {
        QFile f(SourceDir + dir + file);
        if (f.open(QIODevice::ReadOnly))
            return f.readAll();
    }
    return {};
}

// A small SVG so that layout tests do not depend on the program's drawings.
QByteArray box(const QString &)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" "
           "viewBox=\"0 0 200 100\"><rect width=\"200\" height=\"100\" fill=\"#3060c0\"/></svg>";
}

composer::Page page(const QString &body)
{
    const composer::ParseResult parsed = composer::parse(
        QStringLiteral("test"), QStringLiteral("@header Test\n@theme notes\n") + body);
    if (!parsed.errors.isEmpty())
        qWarning("%s", qPrintable(parsed.errors.join(QLatin1Char('\n'))));
    return parsed.page;
}

// Checks what every composed page must satisfy and returns the metafile.
wmf::Metafile checkedPicture(const composer::Page &p, Copy copy, const composer::Composed &composed)
{
    const wmf::ReadResult read = wmf::read(composed.wmf);
    if (!read.ok())
        qWarning("reader: %s", qPrintable(read.error));
    const wmf::Metafile &mf = read.metafile;
    const QSize size = composer::pageSize(p, copy);
    [&] {
        QVERIFY(read.ok());
        QVERIFY(mf.header.placeable);
        QVERIFY(mf.header.checksumOk);
        QCOMPARE(mf.header.bounds, QRect(QPoint(0, 0), size));
        QCOMPARE(mf.header.unitsPerInch, 1440);
        const QVector<QRect> frames = pictureFrames(mf);
        for (const QRect &frame : frames)
            QVERIFY(QRect(QPoint(0, 0), size).contains(frame));
        for (const Run &run : textRuns(mf)) {
            const QString where = QStringLiteral("run at %1,%2 of width %3")
                                      .arg(run.origin.x())
                                      .arg(run.origin.y())
                                      .arg(run.width);
            QVERIFY2(run.width > 0, qPrintable(where));
            QVERIFY2(run.origin.x() >= 0 && run.origin.x() + run.width <= size.width(),
                     qPrintable(where + QStringLiteral(" crosses a side of the page")));
            QVERIFY2(run.origin.y() > 0 && run.origin.y() < size.height(),
                     qPrintable(where + QStringLiteral(" is above or below the page")));
            // No text runs over a picture (a caption's baseline lies below its frame).
            for (const QRect &frame : frames) {
                const bool across =
                    run.origin.x() < frame.right() && run.origin.x() + run.width > frame.left();
                QVERIFY2(
                    !(across && run.origin.y() > frame.top() && run.origin.y() <= frame.bottom()),
                    qPrintable(where + QStringLiteral(" runs over a picture")));
            }
        }
    }();
    return mf;
}

} // namespace

class TestPageComposer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyPage_data();
    void everyPage();
    void pageSetsComplete();
    void parse_data();
    void parse();
    void longWordIsBroken_data();
    void longWordIsBroken();
    void textBesidePicture();
    void overflowReported();
    void missingPicture();
};

void TestPageComposer::initTestCase()
{
    QVERIFY2(composer::registerFonts().isEmpty(), "design fonts are not measurable");
}

void TestPageComposer::everyPage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Copy>("copy");
    const QStringList files = QDir(SourceDir + QStringLiteral("/pages"))
                                  .entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files) {
        QTest::newRow(qPrintable(file + QStringLiteral(" screen"))) << file << Copy::Screen;
        QTest::newRow(qPrintable(file + QStringLiteral(" print"))) << file << Copy::Print;
    }
}

void TestPageComposer::everyPage()
{
    QFETCH(QString, file);
    QFETCH(Copy, copy);
    QFile source(SourceDir + QStringLiteral("/pages/") + file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const composer::ParseResult parsed =
        composer::parse(file.chopped(4), QString::fromUtf8(source.readAll()));
    QVERIFY2(parsed.errors.isEmpty(), qPrintable(parsed.errors.join(QLatin1Char('\n'))));
    const composer::Composed composed = composer::compose(parsed.page, copy, drawing);
    QVERIFY2(composed.problems.isEmpty(), qPrintable(composed.problems.join(QLatin1Char('\n'))));
    checkedPicture(parsed.page, copy, composed);
    if (QTest::currentTestFailed())
        return;
    // Screen copies fit between (120, 0) and the viewer's "Print" entry and page entries.
    if (copy == Copy::Screen) {
        QVERIFY(120 + parsed.page.screenWidth <= 10680);
        QVERIFY(composer::ScreenHeight <= 7920);
    }
}

void TestPageComposer::pageSetsComplete()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QStringList problems;
    QVERIFY2(composer::buildPages(QDir(SourceDir), QDir(out.path()), &problems),
             qPrintable(problems.join(QLatin1Char('\n'))));
    // Key facts and teacher's notes by page set and count, the guide, the acknowledgments.
    const QStringList wanted{"key introductiona",
                             "key introductionb",
                             "key electricitya",
                             "key electricityb",
                             "key faradaya",
                             "key faradayb",
                             "introductiona",
                             "electricitya",
                             "electricityb",
                             "faradaya",
                             "guide1",
                             "guide2",
                             "guide3",
                             "guide4",
                             "acknowledgments"};
    for (const QString &name : wanted) {
        for (const QString &folder : {QStringLiteral("wmf"), QStringLiteral("wmf2")}) {
            const QString path = QStringLiteral("%1/%2/%3.wmf").arg(out.path(), folder, name);
            QVERIFY2(QFile::exists(path), qPrintable(path));
        }
    }
    const QSize screen = wmf::read([&] {
                             QFile f(out.path() + QStringLiteral("/wmf/acknowledgments.wmf"));
                             return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
                         }())
                             .metafile.header.bounds.size();
    // The acknowledgments leave the viewer's logo, from 8520 twips across, uncovered.
    QVERIFY(screen.width() > 0 && 120 + screen.width() <= 8520);
}

void TestPageComposer::parse_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QVector<int>>("kinds");
    QTest::addColumn<QString>("firstText"); // text of the first block's first span
    QTest::addColumn<QString>("error");     // part of the first error, or empty

    const QString head = QStringLiteral("@header H\n@theme guide\n");
    QTest::newRow("blocks of every kind")
        << head + QStringLiteral("# Title\n## Heading\nOne\ntwo.\n\n- a\n- b\n  more\n1. first\n"
                                 "> note\n> goes on\n[picture: x.svg | Cap | 30%]\n")
        << QVector<int>{Block::Title,  Block::Heading,  Block::Paragraph, Block::Bullet,
                        Block::Bullet, Block::Numbered, Block::Note,      Block::Picture}
        << QStringLiteral("Title") << QString();
    QTest::newRow("lines of a paragraph are joined")
        << head + QStringLiteral("First line\n   second line\n") << QVector<int>{Block::Paragraph}
        << QStringLiteral("First line second line") << QString();
    QTest::newRow("comments are skipped")
        << head + QStringLiteral("// not shown\nShown\n") << QVector<int>{Block::Paragraph}
        << QStringLiteral("Shown") << QString();
    QTest::newRow("bold span") << head + QStringLiteral("**Bold** then plain\n")
                               << QVector<int>{Block::Paragraph} << QStringLiteral("Bold")
                               << QString();
    QTest::newRow("open bold") << head + QStringLiteral("**never closed\n")
                               << QVector<int>{Block::Paragraph} << QStringLiteral("never closed")
                               << QStringLiteral("not closed");
    QTest::newRow("unknown directive")
        << head + QStringLiteral("@colour red\nText\n") << QVector<int>{Block::Paragraph}
        << QStringLiteral("Text") << QStringLiteral("unknown directive");
    QTest::newRow("unknown theme")
        << QStringLiteral("@header H\n@theme plaid\nText\n") << QVector<int>{Block::Paragraph}
        << QStringLiteral("Text") << QStringLiteral("unknown theme");
    QTest::newRow("no header") << QStringLiteral("@theme guide\nText\n")
                               << QVector<int>{Block::Paragraph} << QStringLiteral("Text")
                               << QStringLiteral("no @header");
    QTest::newRow("picture too wide")
        << head + QStringLiteral("[picture: x.svg | | 90%]\n") << QVector<int>{Block::Picture}
        << QString() << QStringLiteral("20% to 60%");
    QTest::newRow("screen width too small")
        << head + QStringLiteral("@screen-width 100\nText\n") << QVector<int>{Block::Paragraph}
        << QStringLiteral("Text") << QStringLiteral("screen width");
    QTest::newRow("character outside the code page")
        << head + QStringLiteral("Fine\nNot \u2192 fine\n") << QVector<int>{Block::Paragraph}
        << QStringLiteral("Fine") << QStringLiteral("line 4");
}

void TestPageComposer::parse()
{
    QFETCH(QString, source);
    QFETCH(QVector<int>, kinds);
    QFETCH(QString, firstText);
    QFETCH(QString, error);

    const composer::ParseResult result = composer::parse(QStringLiteral("p"), source);
    QVector<int> got;
    for (const Block &b : result.page.blocks)
        got << b.kind;
    QCOMPARE(got, kinds);
    if (!firstText.isEmpty())
        QCOMPARE(result.page.blocks.value(0).spans.value(0).text, firstText);
    if (error.isEmpty())
        QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    else
        QVERIFY2(result.errors.value(0).contains(error),
                 qPrintable(result.errors.join(QLatin1Char('\n'))));
}

void TestPageComposer::longWordIsBroken_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("paragraph") << QStringLiteral("Short words then ") +
                                      QString(300, QLatin1Char('m'));
    QTest::newRow("bold bullet") << QStringLiteral("- **") + QString(300, QLatin1Char('W')) +
                                        QStringLiteral("**");
    QTest::newRow("note") << QStringLiteral("> ") + QString(300, QLatin1Char('x'));
    QTest::newRow("heading") << QStringLiteral("## ") + QString(120, QLatin1Char('H'));
}

void TestPageComposer::longWordIsBroken()
{
    QFETCH(QString, body);
    const composer::Page p = page(body + QLatin1Char('\n'));
    for (Copy copy : {Copy::Screen, Copy::Print}) {
        const composer::Composed composed = composer::compose(p, copy, box);
        QVERIFY2(composed.problems.isEmpty(),
                 qPrintable(composed.problems.join(QLatin1Char('\n'))));
        const wmf::Metafile mf = checkedPicture(p, copy, composed);
        if (QTest::currentTestFailed())
            return;
        // Every letter is drawn: broken, not cut.
        int letters = 0;
        for (const wmf::Record &r : mf.records) {
            if (r.function == wmf::META_EXTTEXTOUT)
                letters += r.params.value(2);
        }
        QVERIFY(letters >= body.size() - 5);
    }
}

void TestPageComposer::textBesidePicture()
{
    QString body = QStringLiteral("# Title\n[picture: box.svg | A caption that is long enough "
                                  "to wrap onto more than one line | 50%]\n");
    for (int i = 0; i < 8; ++i)
        body += QStringLiteral("- A bullet with enough words in it to wrap beside the picture.\n");
    const composer::Page p = page(body);
    for (Copy copy : {Copy::Screen, Copy::Print}) {
        const composer::Composed composed = composer::compose(p, copy, box);
        QVERIFY2(composed.problems.isEmpty(),
                 qPrintable(composed.problems.join(QLatin1Char('\n'))));
        const wmf::Metafile mf = checkedPicture(p, copy, composed);
        QCOMPARE(pictureFrames(mf).size(), 1);
        // Some text stands beside the picture, some below it at full width.
        const QRect frame = pictureFrames(mf).first();
        bool beside = false, below = false;
        for (const Run &run : textRuns(mf)) {
            beside |= run.origin.y() > frame.top() && run.origin.y() < frame.bottom() &&
                      run.origin.x() < frame.left();
            below |=
                run.origin.y() > frame.bottom() + 600 && run.origin.x() + run.width > frame.left();
        }
        QVERIFY(beside);
        QVERIFY(below);
    }
}

void TestPageComposer::overflowReported()
{
    QString body;
    for (int i = 0; i < 60; ++i)
        body += QStringLiteral("A paragraph that is one of far too many for one page.\n\n");
    const composer::Composed composed = composer::compose(page(body), Copy::Screen, box);
    QCOMPARE(composed.problems.size(), 1);
    QVERIFY(composed.problems.first().contains(QLatin1String("past the bottom")));
}

void TestPageComposer::missingPicture()
{
    const composer::Composed composed =
        composer::compose(page(QStringLiteral("[picture: nothere.svg]\nText\n")), Copy::Print,
                          [](const QString &) { return QByteArray(); });
    QCOMPARE(composed.problems.size(), 1);
    QVERIFY(composed.problems.first().contains(QLatin1String("nothere.svg")));
}

QTEST_MAIN(TestPageComposer)
#include "tst_pagecomposer.moc"
