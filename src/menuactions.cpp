#include "menuactions.h"

#include "appcontext.h"
#include "intro0.h"

namespace menuactions
{

void open(AppContext &ctx, int entry)
{
    switch (entry) {
    default:
        // The topic hubs, the wizard, the acknowledgments and the guide are not in this build yet.
        Q_UNUSED(ctx);
        break;
    }
}

bool openWorksheetCatalogue(AppContext &ctx)
{
    Q_UNUSED(ctx);
    return false;
}

} // namespace menuactions
