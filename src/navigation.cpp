#include "navigation.h"

#include "appcontext.h"
#include "intro0.h"
#include "topichub.h"

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
    default:
        // The wizard, the acknowledgments and the guide are not in this build yet.
        break;
    }
}

bool openWorksheetCatalogue(AppContext &)
{
    return false; // the catalogue is not in this build yet
}

void openPageSet(AppContext &)
{
    // The page viewer is not in this build yet.
}

void openLabelling(AppContext &, Topic, const QString &)
{
    // The activities are not in this build yet.
}

void openOrdering(AppContext &, Topic, const QString &)
{
    // The activities are not in this build yet.
}

} // namespace navigation
