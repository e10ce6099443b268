// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitest.h"

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
    teacher *viewer = h.ctx->screens.loaded<teacher>();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->Image1->contentName(), QStringLiteral("wmf\\key introductiona.wmf"));
    QCOMPARE(viewer->Image2->contentName(), QStringLiteral("wmf2\\key introductiona.wmf"));
    QVERIFY(viewer->Image1->hasPicture());
    QCOMPARE(viewer->Image1->pos(), QPoint(8, 0));
    QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 1 of 2"));
    QVERIFY(!viewer->Label3[teacher::PreviousPage]->isEnabled());
    QVERIFY(viewer->Label3[teacher::NextPage]->isEnabled());

    const int clicks = h.sound.played.size();
    viewer->Label3_Click(teacher::NextPage);
    QCOMPARE(viewer->Image1->contentName(), QStringLiteral("wmf\\key introductionb.wmf"));
    QCOMPARE(viewer->Image2->contentName(), QStringLiteral("wmf2\\key introductionb.wmf"));
    QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 2 of 2"));
    QVERIFY(viewer->Label3[teacher::PreviousPage]->isEnabled());
    QVERIFY(!viewer->Label3[teacher::NextPage]->isEnabled());
    viewer->Label3_Click(teacher::PreviousPage);
    QCOMPARE(viewer->Label1->text(), QStringLiteral("Page 1 of 2"));
    QCOMPARE(h.sound.played.size(), clicks); // the viewer makes no sounds

    viewer->Label3_Click(teacher::Exit);
    settle();
    QVERIFY(!h.ctx->screens.loaded<teacher>());
}

void TestPageViewer::oneNotesPageHasNoNavigation()
{
    Harness h;
    h.ctx->screens.show<TopicHub>(2)->buttonClicked(TopicHub::KeyFacts);
    h.ctx->screens.loaded<teacher>()->Label3_Click(teacher::Exit);
    settle();
    h.ctx->screens.loaded<TopicHub>(2)->buttonClicked(TopicHub::TeachersNotes);
    teacher *viewer = h.ctx->screens.loaded<teacher>();
    QCOMPARE(viewer->Image1->contentName(), QStringLiteral("wmf\\faradaya.wmf"));
    QVERIFY(viewer->Label1->isHidden());
    QVERIFY(viewer->Label3[teacher::NextPage]->isHidden());
    QVERIFY(viewer->Label3[teacher::PreviousPage]->isHidden());
}

void TestPageViewer::printPrintsThePrintCopy()
{
    Harness h;
    h.ctx->screens.show<TopicHub>(1)->buttonClicked(TopicHub::TeachersNotes);
    teacher *viewer = h.ctx->screens.loaded<teacher>();
    viewer->Label3_Click(teacher::NextPage);
    viewer->Label3_Click(teacher::Print);
    QCOMPARE(h.printer.documents, 1);
    QVERIFY(h.boxes.shown.isEmpty());
    const PrintOp picture = h.printer.ops[1];
    QCOMPARE(picture.kind, PrintOp::Picture);
    QCOMPARE(picture.from, QPoint(1000, 1000));
    QCOMPARE(QSize(picture.to.x(), picture.to.y()), viewer->Image2->ownSizeTwips());
    QVERIFY(viewer->Image2->ownSizeTwips() != viewer->Image1->ownSizeTwips());
    QVERIFY(h.paths.requested.contains(QStringLiteral("wmf2\\electricityb.wmf")));

    h.printer.failAfter = 0;
    viewer->Label3_Click(teacher::Print);
    QCOMPARE(h.boxes.shown,
             QStringList{QStringLiteral("There was a problem printing to your printer.")});
}

void TestPageViewer::acknowledgmentsAnimateTheLogo()
{
    Harness h;
    MainMenu *menu = h.ctx->screens.show<MainMenu>();
    menu->entryClicked(MainMenu::Acknowledgments);
    teacher *viewer = h.ctx->screens.loaded<teacher>();
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->Image1->contentName(), QStringLiteral("wmf\\acknowledgments.wmf"));
    QCOMPARE(viewer->Image2->contentName(), QStringLiteral("wmf2\\acknowledgments.wmf"));
    QCOMPARE(viewer->palette().color(QPalette::Window), QColor(49, 130, 212));
    QVERIFY(viewer->Label1->isHidden());
    QVERIFY(viewer->Picture2->hasPicture());
    QVERIFY(viewer->Timer1->isActive());
    QCOMPARE(viewer->Timer1->interval(), 25);

    viewer->Timer1->stop();
    h.paths.requested.clear();
    for (int i = 0; i < 21; ++i)
        viewer->Timer1_Timer();
    QVERIFY(viewer->Picture1->hasPicture() && !viewer->Picture1->isHidden());
    QCOMPARE(h.paths.requested.first(), QStringLiteral("logo\\tavimor0001.gif"));
    QCOMPARE(h.paths.requested[19], QStringLiteral("logo\\tavimor0000.gif"));
    QCOMPARE(h.paths.requested.size(), 20); // each frame is read once, then kept
    QCOMPARE(int(h.ctx->state.StepCounter), 1);
}

void TestPageViewer::guidePages()
{
    Harness h;
    h.ctx->screens.show<MainMenu>()->entryClicked(MainMenu::TeachersGuide);
    guide *g = h.ctx->screens.loaded<guide>();
    QVERIFY(g->isVisible());
    QCOMPARE(g->Image1->contentName(), QStringLiteral("wmf\\guide1.wmf"));
    QCOMPARE(g->Label1->text(), QStringLiteral("Page 1 of 4"));
    QVERIFY(!g->Label3[guide::PreviousPage]->isEnabled());
    g->Label3_Click(guide::NextPage);
    g->Label3_Click(guide::NextPage);
    g->Label3_Click(guide::NextPage);
    QCOMPARE(g->Image1->contentName(), QStringLiteral("wmf\\guide4.wmf"));
    QCOMPARE(g->Label1->text(), QStringLiteral("Page 4 of 4"));
    QVERIFY(!g->Label3[guide::NextPage]->isEnabled());
    g->Label3_Click(guide::PreviousPage);
    g->Label3_Click(guide::PreviousPage);
    g->Label3_Click(guide::Print);
    QCOMPARE(h.printer.documents, 1);
    QVERIFY(h.paths.requested.contains(QStringLiteral("wmf2\\guide2.wmf")));
    g->Label3_Click(guide::PreviousPage);
    QVERIFY(!g->Label3[guide::PreviousPage]->isEnabled());
    QVERIFY(g->Label3[guide::NextPage]->isEnabled());
}

void TestPageViewer::missingPageShowsEmpty()
{
    Harness h;
    h.removeFolder(QStringLiteral("wmf"));
    h.writeFile(QStringLiteral("wmf/key faradaya.wmf"),
                QByteArray("\xd7\xcd\xc6\x9a not really", 16));
    h.ctx->screens.show<TopicHub>(2)->buttonClicked(TopicHub::KeyFacts);
    teacher *viewer = h.ctx->screens.loaded<teacher>();
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->Image1->hasPicture());
    viewer->Label3_Click(teacher::NextPage); // no file at all
    QVERIFY(!viewer->Image1->hasPicture());
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
    teacher *viewer = h.ctx->screens.get<teacher>();
    QVERIFY(viewer->Image1->load(h.paths, QStringLiteral("wmf\\") + page + QStringLiteral(".wmf")));
    const QRect r = viewer->Image1->geometry();
    QVERIFY2(r.right() < viewer->Label3[teacher::Print]->x(), qPrintable(page));
    QVERIFY2(r.bottom() < viewer->Label3[teacher::Exit]->y(), qPrintable(page));
    QVERIFY(r.width() > 400 && r.height() > 300);
}

QTEST_MAIN(TestPageViewer)
#include "tst_pageviewer.moc"
