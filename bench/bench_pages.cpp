// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a page on the page viewer (reading both copies of the page and drawing the screen copy)
// and one tick of the logo animation, on the real screen with the real pages of the run folder.
// Targets: a page turn under 8 ms, a logo tick under 1 ms.
//
//   QT_QPA_PLATFORM=offscreen ./bench_pages [iterations]
#include "appcontext.h"
#include "controls.h"
#include "fonts.h"
#include "metafileview.h"
#include "pageviewer.h"
#include "picturebox.h"
#include "testdoubles.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

template <class F> double medianMs(int iterations, F step)
{
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    fonts::registerDesignFaces();
    const int iterations = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    RecordingSoundPlayer sound;
    ScriptedMessageBoxes boxes;
    RecordingPrinter printer;
    RecordingContentPaths paths(QStringLiteral(QUORVEL_RUN_DIR));
    RecordingWindowSystem windows;
    RecordingSpeech speech;
    AppContext ctx(Platform{sound, boxes, printer, paths, windows, speech});
    ctx.state.pageSet = QStringLiteral("key electricity");
    ctx.state.pageCount = 2;
    PageViewer *viewer = ctx.screens.show<PageViewer>();
    MetafileView *page = control<MetafileView>(viewer, "pageOnScreen");
    PictureBox *logo = control<PictureBox>(viewer, "turningLogo");
    page->load(paths, QStringLiteral("wmf\\key electricitya.wmf"));

    const double turn = medianMs(iterations, [&](int i) {
        viewer->buttonClicked(i % 2 == 0 ? PageViewer::NextPage : PageViewer::PreviousPage);
        page->repaint();
    });
    const double tick = medianMs(iterations, [&](int) {
        viewer->turnLogo();
        logo->repaint();
    });
    std::printf("page turn (read both copies, draw the screen copy): %.2f ms (target < 8 ms)\n",
                turn);
    std::printf("logo tick (load the frame, draw it):                %.2f ms (target < 1 ms)\n",
                tick);
    return turn < 8.0 && tick < 1.0 ? 0 : 1;
}
