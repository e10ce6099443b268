// SPDX-License-Identifier: GPL-3.0-or-later
#include "printlayouts.h"
#include "testdoubles.h"

#include <QTest>

namespace
{

// The shared recording printer on a page of 11000 x 15000 twips: text is 100 twips a character at
// 10 pt, in proportion.
struct FixedMetrics : RecordingPrinter {
    FixedMetrics() { height = 15000; }
};

QVector<QLine> lines(const PrintJob &job)
{
    QVector<QLine> out;
    for (const PrintOp &op : job) {
        if (op.kind == PrintOp::Line)
            out.append(QLine(op.from, op.to));
    }
    return out;
}

// The horizontal position set before each printed text, and its font size.
struct Placed {
    QString text;
    int x;
    double size;
    bool endLine;
};

QVector<Placed> texts(const PrintJob &job)
{
    QVector<Placed> out;
    int x = 0;
    double size = 0;
    for (const PrintOp &op : job) {
        if (op.kind == PrintOp::CurrentX)
            x = op.x;
        else if (op.kind == PrintOp::FontSize)
            size = op.size;
        else if (op.kind == PrintOp::Print) {
            out.append({op.text, x, size, op.endLine});
            x = op.endLine ? 0 : -1;
        }
    }
    return out;
}

} // namespace

class TestPrintLayouts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void certificateFrame();
    void certificateText();
    void longTopic_data();
    void longTopic();
    void worksheetPositions();
    void answerKey();
};

void TestPrintLayouts::certificateFrame()
{
    FixedMetrics m;
    const PrintJob job = printlayouts::certificate(m, {});
    const QVector<QLine> l = lines(job);
    QCOMPARE(l.size(), 5 * 4 + 3 * 4);

    const int W = 11000, H = 15000;
    const int margins[5][2] = {{45, 270}, {90, 315}, {135, 360}, {180, 405}, {225, 450}};
    int i = 0;
    for (int b = 0; b < 5; ++b) {
        const int mx = margins[b][0], my = margins[b][1];
        QCOMPARE(l[i++], QLine(mx, my, W - mx, my));
        QCOMPARE(l[i++], QLine(mx, my, mx, H - my));
        QCOMPARE(l[i++], QLine(W - mx, my, W - mx, H - my));
        QCOMPARE(l[i++], QLine(mx, H - my, W - mx, H - my));
        if (b < 3) {
            const int left = mx + 600, right = W - mx - 600;
            const int top = my + 7050, bottom = H - my - 3750;
            QCOMPARE(l[i++], QLine(left, top, right, top));
            QCOMPARE(l[i++], QLine(left, top, left, bottom));
            QCOMPARE(l[i++], QLine(right, top, right, bottom));
            QCOMPARE(l[i++], QLine(left, bottom, right, bottom));
        }
    }
    // Lines are drawn two wide, in black.
    for (const PrintOp &op : job) {
        if (op.kind == PrintOp::Line)
            QCOMPARE(op.color, QColor(Qt::black));
    }
    QVERIFY(job.contains(PrintOp::drawWidth(2)));
}

void TestPrintLayouts::certificateText()
{
    FixedMetrics m;
    printlayouts::Certificate c;
    c.topic = QStringLiteral("Quorvel");
    c.pupil = QStringLiteral("Ada");
    c.score = 4;
    c.outOf = 4;
    const QVector<Placed> t = texts(printlayouts::certificate(m, c));
    const QString banner =
        QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
    const QString banner2 = banner + banner;
    QCOMPARE(printlayouts::certificateBanner(), banner);
    QCOMPARE(t.first().x, 11000 / 8); // the blank first line
    QCOMPARE(t[1].text, banner2);
    QCOMPARE(t[1].x, 0);
    QVERIFY(!t[1].endLine);
    QCOMPARE(t.last().text, banner2);

    const auto find = [&](const QString &text) {
        for (const Placed &p : t) {
            if (p.text == text)
                return p;
        }
        return Placed{QString(), -99, 0, false};
    };
    const Placed name = find(QStringLiteral("Ada"));
    QCOMPARE(name.size, 28.0);
    QCOMPARE(name.x, (11000 - 3 * 280) / 2);
    const Placed score = find(QStringLiteral("You have scored 4 out of 4."));
    QCOMPARE(score.size, 28.0);
    QVERIFY(score.x > 0);
    QCOMPARE(find(QStringLiteral("Excellent Work")).size, 28.0);
    QCOMPARE(find(QStringLiteral("Quorvel")).size, 36.0);

    // An empty name still prints an (empty) centred line.
    c.pupil.clear();
    const QVector<Placed> empty = texts(printlayouts::certificate(m, c));
    QCOMPARE(empty.size(), t.size());
}

void TestPrintLayouts::longTopic_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<double>("size");
    QTest::newRow("short topic") << 2750 << 36.0; // exactly W / 4 is not long
    QTest::newRow("long topic") << 2751 << 28.0;
}

void TestPrintLayouts::longTopic()
{
    QFETCH(int, screenWidth);
    QFETCH(double, size);
    FixedMetrics m;
    printlayouts::Certificate c;
    c.topic = QStringLiteral("A topic");
    c.topicScreenWidth = screenWidth;
    const QVector<Placed> t = texts(printlayouts::certificate(m, c));
    for (const Placed &p : t) {
        if (p.text == c.topic) {
            QCOMPARE(p.size, size);
            QCOMPARE(p.x, int(11000 - 7 * 100 * size / 10) / 2);
            return;
        }
    }
    QFAIL("the topic was not printed");
}

void TestPrintLayouts::worksheetPositions()
{
    FixedMetrics m;
    questionfile::Worksheet bank;
    for (int q = 1; q <= 10; ++q) {
        bank.question(q).text = QStringLiteral("Text %1").arg(q);
        bank.question(q).answers[0] = QStringLiteral("a%1").arg(q);
        bank.question(q).answers[1] = QStringLiteral("b%1").arg(q);
        bank.question(q).answers[2] = QStringLiteral("c%1").arg(q);
        bank.question(q).answers[3] = QStringLiteral("d%1").arg(q);
    }
    const PrintJob job =
        printlayouts::worksheet(m, QStringLiteral("Quorvel"), QStringLiteral("Electricity"), bank);
    const QVector<Placed> t = texts(job);
    const int W = 11000;
    // The header starts 1000 twips from the top left, as the Key Facts pictures do.
    QCOMPARE(job[2].kind, PrintOp::CurrentY);
    QCOMPARE(job[2].y, 1000);
    QCOMPARE(t[0].text, printlayouts::WorksheetHeader);
    QCOMPARE(t[0].x, 1000);
    QCOMPARE(printlayouts::WorksheetHeader.size(), 7 + 57 + 22);
    QCOMPARE(t[3].text, QStringLiteral("Quorvel"));
    QCOMPARE(t[3].size, 32.0);
    QCOMPARE(t[3].x, (W - 7 * 320) / 2);
    QCOMPARE(t[4].x, (W - 11 * 320) / 2);

    int q = 0;
    for (int i = 0; i < t.size(); ++i) {
        if (!t[i].text.startsWith(QLatin1String("Question")))
            continue;
        ++q;
        QCOMPARE(t[i].text, QStringLiteral("Question %1    Text %1").arg(q));
        QCOMPARE(t[i].x, 1000);
        QCOMPARE(t[i].size, 12.0);
        QCOMPARE(t[i + 1].text, QStringLiteral("A. a%1").arg(q));
        QCOMPARE(t[i + 1].x, W / 3);
        QVERIFY(!t[i + 1].endLine);
        QCOMPARE(t[i + 2].text, QStringLiteral("B. b%1").arg(q));
        QCOMPARE(t[i + 2].x, 2 * W / 3);
        QCOMPARE(t[i + 3].x, W / 3);
        QCOMPARE(t[i + 4].text, QStringLiteral("D. d%1").arg(q));
        QCOMPARE(t[i + 5].text, QStringLiteral(" "));
    }
    QCOMPARE(q, 10);
}

void TestPrintLayouts::answerKey()
{
    FixedMetrics m;
    questionfile::Worksheet bank;
    for (int q = 1; q <= 10; ++q) {
        bank.question(q).text = QStringLiteral("Text %1").arg(q);
        bank.question(q).answers.fill(QStringLiteral("x"));
        bank.question(q).ticks[size_t(q % 4)] = true;
    }
    const QString topic = QStringLiteral("Quorvel"), title = QStringLiteral("Magnets");
    const QVector<Placed> pupil = texts(printlayouts::worksheet(m, topic, title, bank));
    const PrintJob job = printlayouts::answerKey(m, topic, title, bank);
    const QVector<Placed> key = texts(job);
    // The pupil's page, each right answer marked in the margin before its column, then the list.
    QCOMPARE(key.size(), pupil.size() + 2);
    for (int i = 0; i < pupil.size(); ++i) {
        const bool right = key[i].text.startsWith(QStringLiteral("\u00bb "));
        QCOMPARE(key[i].text, right ? QStringLiteral("\u00bb ") + pupil[i].text : pupil[i].text);
        QCOMPARE(key[i].x, right ? pupil[i].x - 2 * 120 : pupil[i].x);
        QVERIFY(!pupil[i].text.contains(QChar(0xbb)));
    }
    QCOMPARE(key[6 + 6 + 3].text, QStringLiteral("\u00bb C. x")); // question 2, answer C
    QCOMPARE(key[pupil.size()].text, QStringLiteral("Answers"));
    QCOMPARE(
        key.last().text,
        QStringLiteral("1. B   2. C   3. D   4. A   5. B   6. C   7. D   8. A   9. B   10. C"));
    QCOMPARE(job.count(PrintOp::foreColor(QColor(192, 0, 0))), 10);
}

QTEST_GUILESS_MAIN(TestPrintLayouts)
#include "tst_printlayouts.moc"
