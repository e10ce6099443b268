// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct AppContext;

// Ways from one part of the program into another that the lower layers cannot name themselves:
// the menu and the hubs live below the screens they open. Defined in src/navigation.cpp, where
// every screen is known. An opening whose screen this build does not have does nothing.
namespace navigation
{

// A topic is its row number in topics::table() (topics.h).

// The main menu's entries (topic hubs, wizard, acknowledgments, guide), by entry index.
void openFromMenu(AppContext &ctx, int entry);

// Shows the worksheet catalogue.
void openWorksheetCatalogue(AppContext &ctx);

// Shows the page viewer at the first page of the page set in pageSet and pageCount, its window
// named screen.
void openPageSet(AppContext &ctx, const QString &screen);

// Shows the multiple-choice quiz on the quiz already loaded in ctx.state, with the topic's
// picture (a content name) and the program's name as its caption.
void openQuiz(AppContext &ctx, const QString &picture);

// Shows a topic's labelling or ordering activity headed by the topic's English name in the
// activity's words.
void openLabelling(AppContext &ctx, int topic, const QString &topicName);
void openOrdering(AppContext &ctx, int topic, const QString &topicName);

// Read and keep the pictures the topic hubs open with, the quiz's picture, or those a topic's
// two activities open with, for a screen of this device pixel ratio.
void warmHubs(AppContext &ctx, qreal ratio);
void warmQuiz(AppContext &ctx, const QString &picture, qreal ratio);
void warmActivities(AppContext &ctx, int topic, qreal ratio);
// Read and draw the first page of a page set (and read its print copy), or the first pages of
// what the menu opens: the teachers' guide and the acknowledgments.
void warmPageSet(AppContext &ctx, const QString &name, qreal ratio);
void warmMenuPages(AppContext &ctx, qreal ratio);
// Build, a screen at a time, the screens the menu opens (hubs, page viewers, the wizard and the
// catalogue), or those a topic hub opens (page viewer, quiz, the topic's two activities).
void buildFromMenu(AppContext &ctx);
void buildFromHub(AppContext &ctx, int topic);

} // namespace navigation
