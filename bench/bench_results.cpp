// SPDX-License-Identifier: GPL-3.0-or-later
// The class's results as a school year leaves them: PUPILS pupils, each on a login and computer
// of their own, RECORDS records each (30 x 2000 = 60,000 records in 60 files by default, two files
// a pupil), written into FOLDER/results. Then, each timed over RUNS rounds: reading the journal,
// the teacher's table, the CSV export, and the Class Results screen from its opening to its
// first paint (offscreen, the reading included). Times are the processor time the work took (so
// a busy machine does not change them); the reading over a network share also waits, so there
// the program's wall-clock time is what counts (`time`).
//
//   QT_QPA_PLATFORM=offscreen ./bench_results FOLDER [pupils] [records] [runs]
//
// FOLDER is a class folder (made when missing; results/ there is replaced). A folder on sshfs
// gives the figures over the network.
#include "appcontext.h"
#include "classresults.h"
#include "fonts.h"
#include "journal.h"
#include "testdoubles.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

#include <time.h>

namespace
{

const QStringList Names = {"Ada",   "Bo",   "Cai",  "Dara", "Eli",  "Femi", "Gus",  "Hana",
                           "Ivo",   "Jun",  "Kofi", "Lena", "Mo",   "Nia",  "Omar", "Pia",
                           "Quinn", "Rosa", "Sami", "Tove", "Uma",  "Vik",  "Wren", "Xena",
                           "Yuki",  "Zain", "Abe",  "Bea",  "Cleo", "Dev"};
const QStringList Topics = {"Introduction", "Electricity", "Michael Faraday", "Magnets Y4",
                            "Forces 1",     "Forces 2",    "Light",           "Sound"};
const QStringList Activities = {"Quiz", "Labelling", "Ordering", "Worksheet"};

// This thread's processor time in ms: what the work costs whatever else the machine runs.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: bench_results FOLDER [pupils] [records] [runs]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int pupils = argc > 2 ? QByteArray(argv[2]).toInt() : 30;
    const int perPupil = argc > 3 ? QByteArray(argv[3]).toInt() : 2000;
    const int runs = argc > 4 ? QByteArray(argv[4]).toInt() : 5;
    fonts::registerDesignFaces();
    QDir(folder).mkpath(QStringLiteral("."));
    const QString results = QDir(folder).filePath(QStringLiteral("results"));
    QDir(results).removeRecursively();
    QDir(folder).mkpath(QStringLiteral("results"));

    // A school year: each pupil on two computers, an attempt about every two hours of school.
    QElapsedTimer timer;
    timer.start();
    const QDateTime yearStart(QDate(2025, 9, 1), QTime(9, 0));
    for (int p = 0; p < pupils; ++p) {
        const QString name =
            Names[p % Names.size()] + (p < Names.size() ? QString() : QString::number(p));
        QByteArray files[2];
        for (int i = 0; i < perPupil; ++i) {
            journal::Record r;
            r.pupil = name;
            r.started = yearStart.addSecs(qint64(i) * 300 * 60 / 60 * 60 + p * 37);
            r.finished = r.started.addSecs(240);
            r.topic = Topics[(i + p) % Topics.size()];
            r.activity = Activities[i % Activities.size()];
            r.outOf = r.activity == QLatin1String("Labelling") ? 4 : 10;
            r.score = (i * 7 + p) % (r.outOf + 1);
            for (int q = 1; q <= r.outOf - r.score && r.outOf == 10; ++q)
                r.wrong.append(q);
            files[i % 2] += journal::line(r);
        }
        for (int f = 0; f < 2; ++f) {
            QFile out(QDir(results).filePath(
                journal::fileName(name.toLower(), QStringLiteral("lab-%1").arg(f))));
            if (!out.open(QIODevice::WriteOnly) || out.write(files[f]) != files[f].size())
                return 1;
        }
    }
    QTextStream out(stdout);
    out << "wrote " << pupils * perPupil << " records in " << pupils * 2
        << " files: " << timer.elapsed() << " ms\n";

    QVector<double> reading, table, csv, screen;
    qsizetype count = 0;
    QByteArray bytes;
    for (int run = 0; run < runs; ++run) {
        double start = cpuMs();
        const journal::Read read = journal::readFolder(results);
        reading << cpuMs() - start;
        count = read.records.size();
        start = cpuMs();
        const journal::Table t = journal::summarize(read.records);
        table << cpuMs() - start;
        start = cpuMs();
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        journal::writeCsv(&buffer, read.records);
        csv << cpuMs() - start;
        Q_UNUSED(t);
    }

    RecordingSoundPlayer sound;
    ScriptedMessageBoxes boxes;
    RecordingPrinter printer;
    RecordingContentPaths paths(QStringLiteral(QUORVEL_RUN_DIR));
    RecordingWindowSystem windows;
    // The class folder stands where the run folder's worksheets would.
    struct ClassPaths : RecordingContentPaths {
        using RecordingContentPaths::RecordingContentPaths;
        QString folder;
        QString path(const QString &name) const override
        {
            return name.startsWith(QLatin1String("multiple\\")) ? QDir(folder).filePath(name.mid(9))
                                                                : RecordingContentPaths::path(name);
        }
    } classPaths(QStringLiteral(QUORVEL_RUN_DIR));
    classPaths.folder = folder;
    AppContext ctx(Platform{sound, boxes, printer, classPaths, windows});
    for (int run = 0; run < runs; ++run) {
        const double start = cpuMs();
        ClassResults *s = ctx.screens.show<ClassResults>();
        s->repaint();
        screen << cpuMs() - start;
        ctx.screens.unload(s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    out << "records read: " << count << ", CSV " << bytes.size() / 1024 << " KiB\n"
        << "medians of " << runs << " runs, processor ms: reading " << median(reading) << ", table "
        << median(table) << ", CSV " << median(csv) << ", Class Results opened and painted "
        << median(screen) << "\n";
    return 0;
}
