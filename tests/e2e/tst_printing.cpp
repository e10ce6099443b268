// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a certificate and a worksheet through the real printer seam on the system's default
// printer (a PDF queue, set up by scripts/printer-setup) and checks the PDFs that come out.

#include "fonts.h"
#include "printlayouts.h"
#include "qtplatform.h"
#include "qtprinter.h"
#include "questionfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void jobs_data();
    void jobs();
    void unwritableOutputFails();

private:
    QString waitForNewPdf(const QSet<QString> &before);
    static QString run(const QString &program, const QStringList &args);
    QDir m_pdfs;
};

void TestPrinting::initTestCase()
{
    fonts::registerDesignFaces();
    const QString dir = qEnvironmentVariable("QUORVEL_PDF_DIR");
    QVERIFY2(!dir.isEmpty(), "QUORVEL_PDF_DIR is not set (run through scripts/run-tests)");
    m_pdfs = QDir(dir);
    QVERIFY2(m_pdfs.exists(), qPrintable(dir));
    QVERIFY2(run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(QLatin1String("PDF")),
             "the PDF printer is not the default printer");
}

QString TestPrinting::run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QString TestPrinting::waitForNewPdf(const QSet<QString> &before)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30000) {
        const QStringList now = m_pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QString &f : now) {
            if (!before.contains(f)) {
                // Wait until the queue has finished writing it.
                const QString path = m_pdfs.filePath(f);
                qint64 size = -1;
                while (timer.elapsed() < 30000) {
                    QTest::qWait(300);
                    const qint64 s = QFileInfo(path).size();
                    if (s > 0 && s == size)
                        return path;
                    size = s;
                }
            }
        }
        QTest::qWait(200);
    }
    return {};
}

// The printable area of the default printer, in twips from the corner of the paper.
static QRect printableArea()
{
    QPrinter probe(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QRectF inches = probe.pageRect(QPrinter::Inch);
    return QRect(qRound(inches.x() * 1440), qRound(inches.y() * 1440),
                 qRound(inches.width() * 1440), qRound(inches.height() * 1440));
}

void TestPrinting::jobs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("minimumInk"); // dark pixels on the first page at 72 dpi
    // Where the first ink lies, leftmost and topmost, in twips from the corner of the paper
    // (-1: not checked).
    QTest::addColumn<QPoint>("firstInk");
    const QRect printable = printableArea();
    // The outer border's corner, less half of its line.
    QTest::newRow("certificate") << "certificate" << 8000
                                 << printable.topLeft() + QPoint(45 - 15, 270 - 15);
    // The header starts 1000 twips from the paper's left edge, as a page's picture does.
    QTest::newRow("worksheet") << "worksheet" << 8000 << QPoint(1000, -1);
    // A page's picture from the corner of the paper.
    QTest::newRow("page") << "page" << 3000 << QPoint(1000, 1000);
}

void TestPrinting::jobs()
{
    QFETCH(QString, kind);
    QFETCH(int, minimumInk);
    QFETCH(QPoint, firstInk);

    QtPrinter printer; // the system's default printer
    QTemporaryDir scratch;
    PrintJob job;
    if (kind == QLatin1String("certificate")) {
        printlayouts::Certificate c;
        c.topic = QStringLiteral("Quorvel");
        c.pupil = QStringLiteral("Ada Lovelace");
        c.score = 10;
        c.outOf = 10;
        job = printlayouts::certificate(printer, c);
    } else if (kind == QLatin1String("worksheet")) {
        questionfile::Worksheet bank;
        for (int q = 1; q <= 10; ++q) {
            bank.question(q).text = QStringLiteral("What does a battery do in circuit %1?").arg(q);
            bank.question(q).answers[0] = QStringLiteral("Pushes the current round");
            bank.question(q).answers[1] = QStringLiteral("Stores light");
            bank.question(q).answers[2] = QStringLiteral("Keeps wires cool");
            bank.question(q).answers[3] = QStringLiteral("Stops the current");
        }
        job = printlayouts::worksheet(printer, QStringLiteral("Quorvel"),
                                      QStringLiteral("Electricity"), bank);
    } else {
        QImage black(40, 20, QImage::Format_RGB32);
        black.fill(Qt::black);
        QVERIFY(black.save(scratch.filePath(QStringLiteral("black.png"))));
        job = {
            PrintOp::print(QStringLiteral(" "), true),
            PrintOp::picture(QStringLiteral("black.png"), QPoint(1000, 1000), QPoint(2000, 1000))};
    }

    const QStringList existing = m_pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    const QSet<QString> before(existing.cbegin(), existing.cend());
    RunFolderPaths paths(scratch.path());
    QVERIFY(printer.play(job, paths));
    const int pages = printer.pagesInLastDocument();
    QVERIFY(pages >= 1);

    const QString pdf = waitForNewPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no PDF came out of the print queue");
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(pages))),
             qPrintable(info));
    if (kind == QLatin1String("certificate"))
        QCOMPARE(pages, 1);
    // The first page at 72 dpi (20 twips a pixel): not blank, and its first ink within two pixels
    // of where it belongs.
    const QString prefix = scratch.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
         QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdf, prefix});
    const QImage page(prefix + QStringLiteral(".pgm"));
    QVERIFY(!page.isNull());
    int ink = 0;
    QPoint first(page.width(), page.height());
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 160) {
                ++ink;
                first = QPoint(std::min(first.x(), x), std::min(first.y(), y));
            }
        }
    }
    QVERIFY2(ink > minimumInk, qPrintable(QString::number(ink)));
    first *= 20;
    const QString where = QStringLiteral("first ink at %1, %2 twips").arg(first.x()).arg(first.y());
    QVERIFY2(firstInk.x() < 0 || std::abs(first.x() - firstInk.x()) <= 40, qPrintable(where));
    QVERIFY2(firstInk.y() < 0 || std::abs(first.y() - firstInk.y()) <= 40, qPrintable(where));
}

void TestPrinting::unwritableOutputFails()
{
    QtPrinter printer(QStringLiteral("/nonexistent-folder/out.pdf"));
    RunFolderPaths paths(QDir::tempPath());
    QVERIFY(!printer.play({PrintOp::print(QStringLiteral("x"), true)}, paths));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
