// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation.h"

#include "activitydata.h"
#include "activityscreens.h"
#include "appcontext.h"
#include "contentnames.h"
#include "intro0.h"
#include "labelbutton.h"
#include "metafileview.h"
#include "multiple.h"
#include "pages.h"
#include "pageviewer.h"
#include "picturebox.h"
#include "topichub.h"
#include "wizard.h"
#include "worksheets.h"

#include <QLabel>
#include <QTimer>

namespace navigation
{

void openFromMenu(AppContext &ctx, int entry)
{
    switch (entry) {
    case intro0::Introduction:
        ctx.screens.show<introduction>();
        break;
    case intro0::Electricity:
        ctx.screens.show<electricity>();
        break;
    case intro0::MichaelFaraday:
        ctx.screens.show<faraday>();
        break;
    case intro0::Acknowledgments: {
        teacher *viewer = ctx.screens.get<teacher>();
        viewer->Label1->hide();
        viewer->Label3[teacher::NextPage]->hide();
        viewer->Label3[teacher::PreviousPage]->hide();
        viewer->Image1->load(ctx.platform.paths, contentnames::AcknowledgmentsPage);
        viewer->Picture2->load(ctx.platform.paths, contentnames::StillLogo);
        viewer->Image2->load(ctx.platform.paths, contentnames::AcknowledgmentsPrintCopy);
        QPalette pal = viewer->palette();
        pal.setColor(QPalette::Window, QColor(49, 130, 212));
        viewer->setPalette(pal);
        viewer->startLogo();
        viewer->showScreen();
        break;
    }
    case intro0::TeachersGuide: {
        guide *viewer = ctx.screens.get<guide>();
        viewer->Image1->load(ctx.platform.paths, pages::guideFile(1, false));
        viewer->Image2->load(ctx.platform.paths, pages::guideFile(1, true));
        ctx.state.PageNumber = 1;
        viewer->showScreen();
        break;
    }
    case intro0::MultipleChoiceWizard:
        ctx.screens.show<wizard>();
        break;
    default:
        break;
    }
}

bool openWorksheetCatalogue(AppContext &ctx)
{
    ctx.screens.show<worksheets>();
    return true;
}

void openPageSet(AppContext &ctx)
{
    // Touching the viewer loads it, so its load handler sees the new page set.
    teacher *viewer = ctx.screens.get<teacher>();
    viewer->Image1->load(ctx.platform.paths, pages::pageFile(ctx.state.PageName, 1, false));
    viewer->Image2->load(ctx.platform.paths, pages::pageFile(ctx.state.PageName, 1, true));
    viewer->showScreen();
}

void openQuiz(AppContext &ctx, const QString &picture)
{
    multiple *quiz = ctx.screens.get<multiple>();
    quiz->Picture1->load(ctx.platform.paths, picture);
    quiz->Label5->setText(QStringLiteral("Quorvel"));
    quiz->showScreen();
}

void warmHubs(AppContext &ctx, qreal ratio)
{
    for (const TopicData *hub :
         {&TopicHub::Introduction, &TopicHub::Electricity, &TopicHub::Faraday})
        warmPicture(ctx.platform.paths, hub->picture, hub->pictureRect, ratio);
}

void warmPageSet(AppContext &ctx, const QString &name, qreal ratio)
{
    MetafileView::warm(ctx.platform.paths, pages::pageFile(name, 1, false), true, ratio);
    MetafileView::warm(ctx.platform.paths, pages::pageFile(name, 1, true), false, ratio);
}

void warmMenuPages(AppContext &ctx, qreal ratio)
{
    MetafileView::warm(ctx.platform.paths, pages::guideFile(1, false), true, ratio);
    MetafileView::warm(ctx.platform.paths, pages::guideFile(1, true), false, ratio);
    MetafileView::warm(ctx.platform.paths, contentnames::AcknowledgmentsPage, true, ratio);
    MetafileView::warm(ctx.platform.paths, contentnames::AcknowledgmentsPrintCopy, false, ratio);
}

void buildFromMenu(AppContext &ctx)
{
    ctx.screens.buildSoon<introduction>();
    ctx.screens.buildSoon<electricity>();
    ctx.screens.buildSoon<faraday>();
    ctx.screens.buildSoon<teacher>();
    ctx.screens.buildSoon<guide>();
    ctx.screens.buildSoon<wizard>();
    ctx.screens.buildSoon<worksheets>();
}

void buildFromHub(AppContext &ctx, Topic topic)
{
    ctx.screens.buildSoon<teacher>();
    ctx.screens.buildSoon<multiple>();
    switch (topic) {
    case Topic::Introduction:
        ctx.screens.buildSoon<introductionlab>();
        ctx.screens.buildSoon<introductionord>();
        break;
    case Topic::Electricity:
        ctx.screens.buildSoon<electricitylab>();
        ctx.screens.buildSoon<electricityord>();
        break;
    case Topic::Faraday:
        ctx.screens.buildSoon<faradaylab>();
        ctx.screens.buildSoon<faradayord>();
        break;
    }
}

void warmQuiz(AppContext &ctx, const QString &picture, qreal ratio)
{
    warmPicture(ctx.platform.paths, picture, multiple::PictureRect, ratio);
}

namespace
{

// Touching the screen loads it first, so the hub's title wins over the design caption.
template <class T> void open(AppContext &ctx, const QString &title)
{
    T *screen = ctx.screens.get<T>();
    screen->Label6->setText(title);
    screen->showScreen();
}

} // namespace

void warmActivities(AppContext &ctx, Topic topic, qreal ratio)
{
    using namespace activity;
    const ActivityDesign *designs[2] = {&introductionlabDesign(), &introductionordDesign()};
    if (topic == Topic::Electricity)
        designs[0] = &electricitylabDesign(), designs[1] = &electricityordDesign();
    if (topic == Topic::Faraday)
        designs[0] = &faradaylabDesign(), designs[1] = &faradayordDesign();
    for (const ActivityDesign *design : designs)
        for (const PictureDesign &p : design->pictures)
            warmPicture(ctx.platform.paths, p.file, p.frame, ratio);
}

void openLabelling(AppContext &ctx, Topic topic, const QString &title)
{
    switch (topic) {
    case Topic::Introduction:
        open<introductionlab>(ctx, title);
        break;
    case Topic::Electricity:
        open<electricitylab>(ctx, title);
        break;
    case Topic::Faraday:
        open<faradaylab>(ctx, title);
        break;
    }
}

void openOrdering(AppContext &ctx, Topic topic, const QString &title)
{
    switch (topic) {
    case Topic::Introduction:
        open<introductionord>(ctx, title);
        break;
    case Topic::Electricity:
        open<electricityord>(ctx, title);
        break;
    case Topic::Faraday:
        open<faradayord>(ctx, title);
        break;
    }
}

} // namespace navigation
