#include "activities.h"

#include "activitydata.h"
#include "activityscreens.h"
#include "appcontext.h"
#include "picturebox.h"

namespace activities
{

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

void warm(AppContext &ctx, Topic topic, qreal ratio)
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

} // namespace activities
