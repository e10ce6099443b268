// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class LabelButton;
class MessageBoxes;
class QWidget;

// The teacher area's "Language" choice, for a class machine: a list of the languages built into
// the program, each in its own name. The one chosen goes into the settings file (Language) for
// every later start of the program; a message says so. "--language" still comes before it.
LabelButton *addLanguageChoice(QWidget *menu, MessageBoxes &boxes);
