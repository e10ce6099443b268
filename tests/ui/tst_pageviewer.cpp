// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

#include "displayscale.h"
#include "labelbutton.h"
#include "mainmenu.h"
#include "metafileview.h"
#include "pageviewer.h"
#include "picturebox.h"
#include "topichub.h"

#include <QLabel>
#include <QTimer>

class TestPageViewer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyFactsTurnPages();
    void oneNotesPageHasNoNavigation();
    void printPrintsThePrintCopy();
    void acknowledgmentsAnimateTheLogo();
    void logoFramesKeptOnABoard();
    void guidePages();
    void missingPageShowsEmpty();
    void pagesFitTheViewer_data();
    void pagesFitTheViewer();
};

void TestPageViewer::keyFactsTurnPages()
{
    Harness h;
    h.ctx->screens.show<MainMenu>();
    h.ctx->screens.show<TopicHub>(0)->buttonClicked(TopicHub::KeyFacts);
    PageViewer *viewer = h.ctx->screens.loaded<PageViewer>();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(control<MetafileView>(viewer, "pageOnScreen")->contentName(),
             QStringLiteral("wmf\\key introductiona.wmf"));
    QCOMPARE(control<MetafileView>(viewer, "pagePrintCopy")->contentName(),
             QStringLiteral("wmf2\\key introductiona.wmf"));
    QVERIFY(control<MetafileView>(viewer, "pageOnScreen")->hasPicture());
    QCOMPARE(control<MetafileView>(viewer, "pageOnScreen")->pos(), QPoint(8, 0));
    QCOMPARE(control<QLabel>(viewer, "pageCounter")->text(), QStringLiteral("Page 1 of 2"));
    QVERIFY(!control<LabelButton>(viewer, "buttons", PageViewer::PreviousPage)->isEnabled());
    QVERIFY(control<LabelButton>(viewer, "buttons", PageViewer::NextPage)->isEnabled());

    const int clicks = h.sound.played.size();
    viewer->buttonClicked(PageViewer::NextPage);
    QCOMPARE(control<MetafileView>(viewer, "pageOnScreen")->contentName(),
             QStringLiteral("wmf\\key introductionb.wmf"));
    QCOMPARE(control<MetafileView>(viewer, "pagePrintCopy")->contentName(),
             QStringLiteral("wmf2\\key introductionb.wmf"));
    QCOMPARE(control<QLabel>(viewer, "pageCounter")->text(), QStringLiteral("Page 2 of 2"));
    QVERIFY(control<LabelButton>(viewer, "buttons", PageViewer::PreviousPage)->isEnabled());
    QVERIFY(!control<LabelButton>(viewer, "buttons", PageViewer::NextPage)->isEnabled());
    viewer->buttonClicked(PageViewer::PreviousPage);
    QCOMPARE(control<QLabel>(viewer, "pageCounter")->text(), QStringLiteral("Page 1 of 2"));
    QCOMPARE(h.sound.played.size(), clicks); // the viewer makes no sounds

    viewer->buttonClicked(PageViewer::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<PageViewer>());
}

void TestPageViewer::oneNotesPageHasNoNavigation()
{
    Harness h;
    h.ctx->screens.show<TopicHub>(2)->buttonClicked(TopicHub::KeyFacts);
    h.ctx->screens.loaded<PageViewer>()->buttonClicked(PageViewer::Exit);
    settle();
    h.ctx->screens.loaded<TopicHub>(2)->buttonClicked(TopicHub::TeachersNotes);
    PageViewer *viewer = h.ctx->screens.loaded<PageViewer>();
    QCOMPARE(control<MetafileView>(viewer, "pageOnScreen")->contentName(),
             QStringLiteral("wmf\\faradaya.wmf"));
    QVERIFY(control<QLabel>(viewer, "pageCounter")->isHidden());
    QVERIFY(control<LabelButton>(viewer, "buttons", PageViewer::NextPage)->isHidden());
    QVERIFY(control<LabelButton>(viewer, "buttons", PageViewer::PreviousPage)->isHidden());
}

void TestPageViewer::printPrintsThePrintCopy()
{
    Harness h;
    h.ctx->screens.show<TopicHub>(1)->buttonClicked(TopicHub::TeachersNotes);
    PageViewer *viewer = h.ctx->screens.loaded<PageViewer>();
    viewer->buttonClicked(PageViewer::NextPage);
    viewer->buttonClicked(PageViewer::Print);
    QCOMPARE(h.printer.printed.size(), 1);
    QVERIFY(h.boxes.shown.isEmpty());
    const PrintOp picture = h.printer.printed[0][1];
    QCOMPARE(picture.kind, PrintOp::Picture);
    QCOMPARE(picture.text, QStringLiteral("wmf2\\electricityb.wmf"));
    QCOMPARE(picture.from, QPoint(1000, 1000));
    QCOMPARE(QSize(picture.to.x(), picture.to.y()),
             control<MetafileView>(viewer, "pagePrintCopy")->ownSizeTwips());
    QVERIFY(control<MetafileView>(viewer, "pagePrintCopy")->ownSizeTwips() !=
            control<MetafileView>(viewer, "pageOnScreen")->ownSizeTwips());

    h.printer.paperFails = true;
    viewer->buttonClicked(PageViewer::Print);
    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("There was a problem printing to your printer.")});
}

void TestPageViewer::acknowledgmentsAnimateTheLogo()
{
    Harness h;
    MainMenu *menu = h.ctx->screens.show<MainMenu>();
    menu->entryClicked(MainMenu::Acknowledgments);
    PageViewer *viewer = h.ctx->screens.loaded<PageViewer>();
    QVERIFY(viewer->isVisible());
    QCOMPARE(control<MetafileView>(viewer, "pageOnScreen")->contentName(),
             QStringLiteral("wmf\\acknowledgments.wmf"));
    QCOMPARE(control<MetafileView>(viewer, "pagePrintCopy")->contentName(),
             QStringLiteral("wmf2\\acknowledgments.wmf"));
    QCOMPARE(viewer->palette().color(QPalette::Window), QColor(49, 130, 212));
    QVERIFY(control<QLabel>(viewer, "pageCounter")->isHidden());
    QVERIFY(control<PictureBox>(viewer, "stillLogo")->hasPicture());
    QVERIFY(control<QTimer>(viewer, "logoTimer")->isActive());
    QCOMPARE(control<QTimer>(viewer, "logoTimer")->interval(), 25);

    control<QTimer>(viewer, "logoTimer")->stop();
    h.paths.requested.clear();
    for (int i = 0; i < 21; ++i)
        viewer->turnLogo();
    QVERIFY(control<PictureBox>(viewer, "turningLogo")->hasPicture() &&
            !control<PictureBox>(viewer, "turningLogo")->isHidden());
    QCOMPARE(h.paths.requested.first(), QStringLiteral("logo\\tavimor0001.gif"));
    QCOMPARE(h.paths.requested[19], QStringLiteral("logo\\tavimor0000.gif"));
    QCOMPARE(h.paths.requested.size(), 20); // each frame is read once, then kept
    QCOMPARE(int(h.ctx->state.logoFrame), 1);
}

// Full screen draws the page inside the one window every screen is drawn in: the logo's frames
// are still kept in the display server and shown from there, not drawn again at each tick.
void TestPageViewer::logoFramesKeptOnABoard()
{
    struct Restore {
        ~Restore() { displayscale::setFullScreen(false); }
    } restore;
    displayscale::setFullScreen(true);
    Harness h;
    h.windows.keepsFrames = true;
    h.ctx->screens.show<MainMenu>()->entryClicked(MainMenu::Acknowledgments);
    PageViewer *viewer = h.ctx->screens.loaded<PageViewer>();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    control<QTimer>(viewer, "logoTimer")->stop();
    for (int i = 0; i < 42; ++i)
        viewer->turnLogo();
    QVERIFY(h.windows.frames.contains(QStringLiteral("show 1")));
}

void TestPageViewer::guidePages()
{
    Harness h;
    h.ctx->screens.show<MainMenu>()->entryClicked(MainMenu::TeachersGuide);
    GuideViewer *g = h.ctx->screens.loaded<GuideViewer>();
    QVERIFY(g->isVisible());
    QCOMPARE(control<MetafileView>(g, "pageOnScreen")->contentName(),
             QStringLiteral("wmf\\guide1.wmf"));
    QCOMPARE(control<QLabel>(g, "pageCounter")->text(), QStringLiteral("Page 1 of 4"));
    QVERIFY(!control<LabelButton>(g, "buttons", GuideViewer::PreviousPage)->isEnabled());
    g->buttonClicked(GuideViewer::NextPage);
    g->buttonClicked(GuideViewer::NextPage);
    g->buttonClicked(GuideViewer::NextPage);
    QCOMPARE(control<MetafileView>(g, "pageOnScreen")->contentName(),
             QStringLiteral("wmf\\guide4.wmf"));
    QCOMPARE(control<QLabel>(g, "pageCounter")->text(), QStringLiteral("Page 4 of 4"));
    QVERIFY(!control<LabelButton>(g, "buttons", GuideViewer::NextPage)->isEnabled());
    g->buttonClicked(GuideViewer::PreviousPage);
    g->buttonClicked(GuideViewer::PreviousPage);
    g->buttonClicked(GuideViewer::Print);
    QCOMPARE(h.printer.printed.size(), 1);
    QCOMPARE(h.printer.printed[0][1].text, QStringLiteral("wmf2\\guide2.wmf"));
    g->buttonClicked(GuideViewer::PreviousPage);
    QVERIFY(!control<LabelButton>(g, "buttons", GuideViewer::PreviousPage)->isEnabled());
    QVERIFY(control<LabelButton>(g, "buttons", GuideViewer::NextPage)->isEnabled());
}

void TestPageViewer::missingPageShowsEmpty()
{
    Harness h;
    h.removeFolder(QStringLiteral("wmf"));
    h.writeFile(QStringLiteral("wmf/key faradaya.wmf"),
                QByteArray("\xd7\xcd\xc6\x9a not really", 16));
    h.ctx->screens.show<TopicHub>(2)->buttonClicked(TopicHub::KeyFacts);
    PageViewer *viewer = h.ctx->screens.loaded<PageViewer>();
    QVERIFY(viewer->isVisible());
    QVERIFY(!control<MetafileView>(viewer, "pageOnScreen")->hasPicture());
    viewer->buttonClicked(PageViewer::NextPage); // no file at all
    QVERIFY(!control<MetafileView>(viewer, "pageOnScreen")->hasPicture());
    viewer->repaint();
}

void TestPageViewer::pagesFitTheViewer_data()
{
    QTest::addColumn<QString>("page");
    for (const char *p :
         {"key introductiona", "key introductionb", "key electricitya", "key electricityb",
          "key faradaya", "key faradayb", "introductiona", "electricitya", "electricityb",
          "faradaya", "guide1", "guide2", "guide3", "guide4", "acknowledgments"})
        QTest::newRow(p) << QString::fromLatin1(p);
}

void TestPageViewer::pagesFitTheViewer()
{
    // Every screen copy reads and fits between the window's left edge and the Print button,
    // above the bottom row of buttons.
    QFETCH(QString, page);
    Harness h;
    PageViewer *viewer = h.ctx->screens.get<PageViewer>();
    QVERIFY(control<MetafileView>(viewer, "pageOnScreen")
                ->load(h.paths, QStringLiteral("wmf\\") + page + QStringLiteral(".wmf")));
    const QRect r = control<MetafileView>(viewer, "pageOnScreen")->geometry();
    QVERIFY2(r.right() < control<LabelButton>(viewer, "buttons", PageViewer::Print)->x(),
             qPrintable(page));
    QVERIFY2(r.bottom() < control<LabelButton>(viewer, "buttons", PageViewer::Exit)->y(),
             qPrintable(page));
    QVERIFY(r.width() > 400 && r.height() > 300);
}

QTEST_MAIN(TestPageViewer)
#include "tst_pageviewer.moc"
