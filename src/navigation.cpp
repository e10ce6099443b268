// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation.h"

#include "activitydata.h"
#include "activityscreens.h"
#include "appcontext.h"
#include "classresults.h"
#include "contentnames.h"
#include "mainmenu.h"
#include "metafileview.h"
#include "pages.h"
#include "pageviewer.h"
#include "picturebox.h"
#include "pupils.h"
#include "quizscreen.h"
#include "topichub.h"
#include "topics.h"
#include "worksheetcatalogue.h"
#include "worksheetwizard.h"

namespace navigation
{

void openFromMenu(AppContext &ctx, int entry)
{
    const int topic = topics::ofMenuEntry(entry);
    if (topic >= 0) {
        ctx.screens.show<TopicHub>(topic);
        return;
    }
    switch (entry) {
    case MainMenu::Acknowledgments:
        ctx.screens.get<PageViewer>()->openAcknowledgments();
        break;
    case MainMenu::TeachersGuide:
        ctx.screens.get<GuideViewer>()->openAtFirstPage();
        break;
    case MainMenu::MultipleChoiceWizard:
        ctx.screens.show<WorksheetWizard>();
        break;
    case MainMenu::ClassResults:
        ctx.screens.show<ClassResults>();
        break;
    default:
        break;
    }
}

void openWorksheetCatalogue(AppContext &ctx)
{
    ctx.screens.show<WorksheetCatalogue>();
}

void openPageSet(AppContext &ctx, const QString &screen)
{
    // Touching the viewer loads it, so its load handler sees the new page set.
    ctx.screens.get<PageViewer>()->openPageSet(screen);
}

void openQuiz(AppContext &ctx, const QString &picture)
{
    pupils::askOnce(ctx, nullptr); // over the hub, the window in front
    ctx.screens.get<QuizScreen>()->open(picture, QStringLiteral("Quorvel"));
}

void openLabelling(AppContext &ctx, int topic, const QString &topicName)
{
    pupils::askOnce(ctx, nullptr);
    // Touching the screen loads it first, so the topic's name wins over the design caption.
    ctx.screens.get<LabellingActivity>(topic)->open(topicName);
}

void openOrdering(AppContext &ctx, int topic, const QString &topicName)
{
    pupils::askOnce(ctx, nullptr);
    ctx.screens.get<OrderingActivity>(topic)->open(topicName);
}

void warmHubs(AppContext &ctx, qreal ratio)
{
    for (const topics::Topic &topic : topics::table())
        warmPicture(ctx.platform.paths, topic.picture, topic.pictureRect, ratio);
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
    for (size_t topic = 0; topic < topics::table().size(); ++topic)
        ctx.screens.buildSoon<TopicHub>(int(topic));
    ctx.screens.buildSoon<PageViewer>();
    ctx.screens.buildSoon<GuideViewer>();
    ctx.screens.buildSoon<WorksheetWizard>();
    ctx.screens.buildSoon<WorksheetCatalogue>();
}

void buildFromHub(AppContext &ctx, int topic)
{
    ctx.screens.buildSoon<PageViewer>();
    ctx.screens.buildSoon<QuizScreen>();
    ctx.screens.buildSoon<LabellingActivity>(topic);
    ctx.screens.buildSoon<OrderingActivity>(topic);
}

void warmQuiz(AppContext &ctx, const QString &picture, qreal ratio)
{
    warmPicture(ctx.platform.paths, picture, QuizScreen::PictureRect, ratio);
}

void warmActivities(AppContext &ctx, int topic, qreal ratio)
{
    const topics::Topic &row = topics::table().at(size_t(topic));
    for (const activity::ActivityDesign *design : {&row.labelling(), &row.ordering()})
        for (const activity::PictureDesign &p : design->pictures)
            warmPicture(ctx.platform.paths, p.file, p.frame, ratio);
}

} // namespace navigation
