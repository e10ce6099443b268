// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activitydata.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

// The topics of the program. Everything that tells one topic from another is its row of the
// table: the hub's look, its quiz, its key facts and teacher's notes, and its two activities. A
// topic is known by its row number everywhere; a new topic is a new row (with its activity
// designs and content).
namespace topics
{

struct Topic {
    int menuEntry; // the main menu's entry that opens the hub
    QString title;
    QRect titleRect; // twips
    QColor background;
    QString picture;
    QRect pictureRect; // twips
    QString questionFile;
    QString quizPicture;
    QString keyFacts; // page set name
    int keyFactsPages;
    QString teachersNotes; // page set name
    int teachersNotesPages;
    const activity::ActivityDesign &(*labelling)();
    const activity::ActivityDesign &(*ordering)();
};

// Every topic, in the order of the main menu's enabled topic entries.
const std::vector<Topic> &table();
// The topic row of a main menu entry, or -1 when the entry opens no topic.
int ofMenuEntry(int entry);

} // namespace topics
