// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// The words of the activity screens (headings, instructions, the labels a pupil drags) in the
// program's language. A language's content folder holds them in "labels.txt", UTF-8, one text a
// line: the English as the design has it, " | ", then the words to show in its place ("\n" in
// either half stands for a line break). Blank lines and lines that start with "#" are skipped.
class ActivityLabels
{
public:
    // A file that is missing or unreadable leaves every text as designed.
    explicit ActivityLabels(const QString &path);

    // The words for a designed text; the text itself when the file has none for it.
    QString operator()(const QString &english) const;

    static constexpr const char *FileName = "labels.txt";

private:
    QHash<QString, QString> m_words;
};
