// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;

// The language the program speaks. Chosen once at start-up, before the first screen or message:
// "--language CODE" on the command line, else Language in the settings file, else the system's
// locale. A code is a locale name ("es", "es_ES", "ar"); the program's texts come from the
// translations built into it (":/i18n/quorvel_<code>.qm", falling back from "es_ES" to "es"), Qt's
// own dialogs from Qt's translations. A language without a translation shows English.
namespace language
{

// Removes "--language CODE" or "--language=CODE" from arguments and returns CODE (empty when the
// option is not there).
QString takeOption(QStringList &arguments);

// The code to use: option when not empty, else the settings file's Language, else the system's.
QString chosen(const QString &option);

// Loads the translations of code into app and sets the layout direction of a right-to-left
// language. Returns the code of the translation found (empty for English).
QString install(QCoreApplication &app, const QString &code);

// The codes of every translation built into the program for people, English ("en") first.
QStringList available();

// Whether code is one of the pseudo-languages made for the tests of the screens (en_XA, ar_XB):
// built in, usable with --language, never offered in the teacher area.
bool isPseudo(const QString &code);

// The language's own name for itself ("Español"), for the choice in the teacher area.
QString nativeName(const QString &code);

} // namespace language
