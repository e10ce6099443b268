// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet catalogue as a class folder grows, with the real content paths (RunFolderPaths):
//   - importing 10,000 questions (1,000 worksheets) into an empty catalogue, wall-clock time
//     (target: 3 s on a local disk; every file synced, so the disk decides);
//   - opening the catalogue screen with those 1,000 titles, from the call to the first paint
//     (target: a frame, 16.7 ms), and again with 10,000 files in the folder (no slower);
//   - the menu's opening read of the catalogue.
// Opening times are medians of RUNS, as wall-clock and processor time.
//
//   QT_QPA_PLATFORM=offscreen ./bench_catalogue FOLDER [runs]
//
// FOLDER is made when missing and emptied first; a folder on sshfs gives the figures over the
// network.
#include "appcontext.h"
#include "catalogue.h"
#include "contentnames.h"
#include "exchange/exchange.h"
#include "fonts.h"
#include "importer.h"
#include "mainmenu.h"
#include "qtplatform.h"
#include "testdoubles.h"
#include "worksheetcatalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>

#include <time.h>

namespace
{

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Times {
    double wall;
    double cpu;
};

template <class F> Times median(int runs, F step)
{
    QVector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double start = cpuMs();
        step();
        cpu << cpuMs() - start;
        wall << timer.nsecsElapsed() / 1e6;
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[runs / 2], cpu[runs / 2]};
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: bench_catalogue FOLDER [runs]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 21;
    fonts::registerDesignFaces();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString runFolder = QStringLiteral(QUORVEL_RUN_DIR);
    RunFolderPaths paths(runFolder, folder); // seeds the empty catalogue and the quizzes
    QTextStream out(stdout);

    QByteArray gift;
    for (int q = 1; q <= 10000; ++q)
        gift += QStringLiteral("::q%1::Which force pulls a dropped ball number %1 down?"
                               "{=gravity ~friction ~magnetism ~air resistance}\n\n")
                    .arg(q)
                    .toUtf8();
    const QString giftFile = QDir(folder).filePath(QStringLiteral("../questions.gift"));
    QFile file(giftFile);
    file.open(QIODevice::WriteOnly);
    file.write(gift);
    file.close();
    AppState state;
    QElapsedTimer timer;
    timer.start();
    const exchange::ReadResult read = exchange::readFile(giftFile);
    const importer::Outcome outcome = importer::import(
        read, QStringLiteral("Gravity"), [&](const QString &name) { return paths.path(name); },
        state);
    out << "import of " << read.questions.size() << " questions: " << outcome.written.size()
        << " worksheets in " << timer.elapsed() << " ms" << (outcome.error.isEmpty() ? "" : ", ")
        << outcome.error << "\n";
    QFile::remove(giftFile);

    RecordingSoundPlayer sound;
    ScriptedMessageBoxes boxes;
    RecordingPrinter printer;
    RecordingWindowSystem windows;
    RecordingSpeech speech;
    AppContext ctx(Platform{sound, boxes, printer, paths, windows, speech});
    const auto measure = [&](const char *what) {
        const Times open = median(runs, [&] {
            ctx.screens.unloadAll();
            settle();
            ctx.screens.show<WorksheetCatalogue>()->repaint();
        });
        ctx.screens.unloadAll();
        settle();
        const Times menu = median(runs, [&] { ctx.screens.get<MainMenu>()->readCatalogue(); });
        ctx.screens.unloadAll();
        settle();
        out << what << ": catalogue screen opened and painted " << open.wall << " ms (" << open.cpu
            << " ms processor), the menu's read " << menu.wall << " ms (" << menu.cpu
            << " ms processor)\n";
    };
    measure(QStringLiteral("%1 titles, %2 files")
                .arg(state.worksheetCount)
                .arg(QDir(folder).count() - 2)
                .toLatin1()
                .constData());
    for (int i = 0; i < 9000; ++i) {
        QFile extra(QDir(folder).filePath(QStringLiteral("other %1.dat").arg(i)));
        extra.open(QIODevice::WriteOnly);
    }
    measure(QStringLiteral("%1 titles, %2 files")
                .arg(state.worksheetCount)
                .arg(QDir(folder).count() - 2)
                .toLatin1()
                .constData());
    return 0;
}
