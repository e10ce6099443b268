// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Names of the content files the screens load by a fixed name, written as the screens write them
// (the run folder resolves them without regard to case). Names that come from tables (hub data,
// activity tables, page sets, celebration sounds) live with their tables.
namespace contentnames
{

extern const QString ClickSound;   // every button of the pupils' screens
extern const QString TypeKeySound; // an answer picked on the quiz
extern const QString ThudSound;    // a dragged label snaps into a box
extern const QString EagleSound;   // two ordering activities open

extern const QString TitlePicture;  // title screen and results screen
extern const QString TitleFallback; // title screen when its picture fails
extern const QString MenuPicture;   // main menu (the same file, written with a capital)
extern const QString Catalogue;     // the worksheet catalogue
extern const QString ResultsFolder; // the class folder's results journals (journal.h)
extern const QString StillLogo;     // acknowledgments
extern const QString AcknowledgmentsPage;
extern const QString AcknowledgmentsPrintCopy;

QStringList fixedPictures();
QStringList fixedSounds();

} // namespace contentnames
