// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagecomposer.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QVector>

// Themes and text measurement of the page composer: design families are written to the file,
// their metric twins are measured. Used by pagecomposer.cpp only.
namespace composer
{

struct Theme {
    QString name;
    QString body;  // design family of running text
    QString head;  // design family of titles, headings and furniture
    double bodyPt; // screen sizes; print sizes are these times printScale
    double headPt;
    double titlePt;
    double printScale;
    QColor band, bandText, stripe, title, heading, text, marker, tint;
};

inline const QColor Ink(34, 34, 34);

// The theme of that name; null when there is none.
const Theme *findTheme(const QString &name);

// ---------------------------------------------------------------------------------------------
// Fonts: design family in the file, its metric twin for measuring.

struct TextStyle {
    QString family; // design family
    double points = 12;
    bool bold = false;
    bool italic = false;
    QColor color = Ink;

    int emTwips() const { return qRound(points * 20); }
    bool operator==(const TextStyle &o) const
    {
        return family == o.family && emTwips() == o.emTwips() && bold == o.bold &&
               italic == o.italic && color == o.color;
    }
    bool sameFont(const TextStyle &o) const
    {
        return family == o.family && emTwips() == o.emTwips() && bold == o.bold &&
               italic == o.italic;
    }
};

QString measuringFamily(const QString &design);
QFont measuringFont(const TextStyle &style);

struct Metrics {
    double ascent = 0;
    double descent = 0;
};
Metrics metrics(const TextStyle &style);

// Start of each character and the end of the text, in twips from the text's origin.
QVector<double> positions(const TextStyle &style, const QString &text);
double advance(const TextStyle &style, const QString &text);
quint8 pitchAndFamily(const QString &family);

// A word, possibly in several weights ("**bold**," is one word in two fragments).
struct Fragment {
    QString text;
    bool bold = false;
};
struct Token {
    QVector<Fragment> fragments;
    bool spaceBefore = false;
};

QVector<Token> tokenize(const QVector<Span> &spans);

} // namespace composer
