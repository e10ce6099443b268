#include "activities.h"

#include "activityscreens.h"
#include "appcontext.h"

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
