// Prints a certificate and a worksheet through the real printer seam on the system's default
// printer (a PDF queue, set up by scripts/printer-setup) and checks the PDFs that come out.

#include "fonts.h"
#include "module1.h"
#include "printlayouts.h"
#include "qtplatform.h"
#include "qtprinter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
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

void TestPrinting::jobs_data()
{
    QTest::addColumn<bool>("certificate");
    QTest::addColumn<int>("minimumInk"); // dark pixels on the first page at 30 dpi
    QTest::newRow("certificate") << true << 1500;
    QTest::newRow("worksheet") << false << 1500;
}

void TestPrinting::jobs()
{
    QFETCH(bool, certificate);
    QFETCH(int, minimumInk);

    QtPrinter printer; // the system's default printer
    PrintJob job;
    if (certificate) {
        printlayouts::Certificate c;
        c.topic = QStringLiteral("Quorvel");
        c.pupil = QStringLiteral("Ada Lovelace");
        c.score = 10;
        c.outOf = 10;
        job = printlayouts::certificate(printer, c);
    } else {
        Module1 bank;
        for (int q = 1; q <= 10; ++q) {
            bank.QuestionText[q] = QStringLiteral("What does a battery do in circuit %1?").arg(q);
            bank.AnswerA[q] = QStringLiteral("Pushes the current round");
            bank.AnswerB[q] = QStringLiteral("Stores light");
            bank.AnswerC[q] = QStringLiteral("Keeps wires cool");
            bank.AnswerD[q] = QStringLiteral("Stops the current");
        }
        job = printlayouts::worksheet(printer, QStringLiteral("Quorvel"),
                                      QStringLiteral("Electricity"), bank);
    }

    const QStringList existing = m_pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    const QSet<QString> before(existing.cbegin(), existing.cend());
    RunFolderPaths paths(QDir::tempPath());
    QVERIFY(playPrintJob(job, printer, paths));
    QVERIFY(!printer.failed());
    const int pages = printer.pagesInLastDocument();
    QVERIFY(pages >= 1);

    const QString pdf = waitForNewPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no PDF came out of the print queue");
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(pages))),
             qPrintable(info));
    // Not blank: the first page, rendered small, carries a fair amount of ink.
    QTemporaryDir scratch;
    const QString prefix = scratch.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
         QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdf, prefix});
    const QImage page(prefix + QStringLiteral(".pgm"));
    QVERIFY(!page.isNull());
    int ink = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            ink += qGray(page.pixel(x, y)) < 160 ? 1 : 0;
    }
    QVERIFY2(ink > minimumInk, qPrintable(QString::number(ink)));
    if (certificate)
        QCOMPARE(pages, 1);
}

void TestPrinting::unwritableOutputFails()
{
    QtPrinter printer(QStringLiteral("/nonexistent-folder/out.pdf"));
    RunFolderPaths paths(QDir::tempPath());
    QVERIFY(!playPrintJob({PrintOp::print(QStringLiteral("x"), true), PrintOp::endDoc()}, printer,
                          paths));
    QVERIFY(printer.failed());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
