// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal.h"

#include <QString>
#include <QStringList>

struct AppContext;
class QWidget;

// Who is playing, and the keeping of their results in the class folder's journal (journal.h).
namespace pupils
{

// The first time in a run that a pupil opens a quiz, a worksheet or an activity: asks who is
// playing, offering the names already in the class folder's results and the login's full name.
// The answer holds for the rest of the run; a skip plays as a guest, whose results are not kept.
// parent: the screen asking, or null for the window in front.
void askOnce(AppContext &ctx, QWidget *parent);

// The names offered: those in the class folder's results, then the login's full name (from the
// account's details) when it is not among them.
QStringList offered(const AppContext &ctx);

// Keeps a finished attempt under the name of who is playing (record.pupil is set here): one
// record appended to this login's journal file in the class folder. Nothing for a guest. An
// error text when the result could not be kept; empty otherwise.
QString keep(AppContext &ctx, journal::Record record);

} // namespace pupils
