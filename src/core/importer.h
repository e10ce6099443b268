// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate.h"
#include "catalogue.h"
#include "exchange/exchange.h"

#include <QString>
#include <QStringList>

#include <functional>

// Turns the questions read from a GIFT or Aiken file into worksheets: ten questions each, written
// and catalogued exactly as the wizard saves a worksheet (the file replaced as a whole, then its
// title added to the catalogue), one worksheet after the other. A failure stops the import with
// every worksheet before it complete and catalogued, and nothing half-written.
namespace importer
{

// The path on disk of a content name such as "multiple/track.txt"; empty when it has none.
using PathOf = std::function<QString(const QString &contentName)>;

// An import fails when it stopped before every worksheet it could make was written.
struct Outcome : core::Result {
    QStringList written; // titles of the worksheets written and catalogued, in order
    // One line per worksheet written and per question skipped or left over, in file order.
    QStringList report;
    // The questions after the last full ten (one to nine), not imported: the catalogue screen
    // hands them to the wizard to be completed.
    QVector<questionfile::Question> leftOver;
};

// Makes worksheets titled title, then "title 2", "title 3" ...; a title already taken (listed in
// the catalogue in any letter case, one of the program's own quizzes, or a file in the worksheet
// folder) gets the next free number. Fewer than ten questions left over are reported and handed
// back in leftOver, not imported. When no worksheet can be made (fewer than ten questions, or more
// worksheets than the catalogue has room for), error says why and nothing is changed.
Outcome import(const exchange::ReadResult &read, const QString &title, const PathOf &pathOf,
               AppState &state, const catalogue::Waiting &waiting = {});

// A title for the worksheets of a file: its base name with the characters a title cannot hold
// left out, at most MaxBaseTitleLength characters; "Imported" when nothing is left.
QString titleForFile(const QString &fileName);

// The most characters a title may have (the wizard's title box allows 25), leaving room for
// a number up to " 1000" after it.
constexpr int MaxBaseTitleLength = 20;

// "1 question", "2 questions".
QString questions(int count);

} // namespace importer
