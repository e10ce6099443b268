#pragma once

struct AppContext;

// The main menu's ways into the rest of the program. The menu lives in the lowest layer; these
// are defined where every screen is known (src/menuactions.cpp).
namespace menuactions
{

// Opens what a menu entry leads to (a topic hub, the wizard, the acknowledgments, the guide).
// Entries whose screens this build does not have do nothing.
void open(AppContext &ctx, int entry);

// Shows the worksheet catalogue; true when it opened, so the menu may unload itself.
bool openWorksheetCatalogue(AppContext &ctx);

} // namespace menuactions
