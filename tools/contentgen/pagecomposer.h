// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Lays out the program's pages (key facts, teacher's notes, the teachers' guide and the
// acknowledgments) from plain-text sources into Windows metafiles: a screen copy for "wmf" and a
// print copy for "wmf2". The source format is described in content/pages/README.md.
namespace composer
{

enum class Copy { Screen, Print };

// Screen copies are shown at their own size at (120, 0) twips, clear of the "Print" entry on the
// right and of the page entries along the bottom; print copies are drawn 1000 twips in from the
// corner of an A4 or Letter sheet. Sizes in twips.
constexpr int ScreenWidth = 10440;
constexpr int ScreenHeight = 7800;
constexpr int PrintWidth = 9800;
constexpr int PrintHeight = 13600;
// The narrowest screen copy a source may ask for.
constexpr int MinScreenWidth = 6000;

// A stretch of text in one weight.
struct Span {
    QString text;
    bool bold = false;
};

struct Block {
    enum Kind { Title, Heading, Paragraph, Bullet, Numbered, Note, Picture };
    Kind kind = Paragraph;
    QVector<Span> spans;
    int number = 0;       // Numbered
    QString picture;      // Picture: file name of an SVG drawing
    QString caption;      // Picture: optional caption
    int widthPercent = 0; // Picture: share of the text column, 20..60
};

struct Page {
    QString name;   // file stem: "key introductiona" gives "wmf/key introductiona.wmf"
    QString header; // text of the band along the top
    QString label;  // right-hand footer text, for example "Page 1 of 2"
    QString theme;  // one of themeNames()
    int screenWidth = ScreenWidth;
    QVector<Block> blocks;
};

struct ParseResult {
    Page page;
    QStringList errors; // "line N: ..." ; empty when the source is sound
};

QStringList themeNames();
ParseResult parse(const QString &name, const QString &source);

// The picture frame of a copy, in twips.
QSize pageSize(const Page &page, Copy copy);

// Returns the bytes of an SVG drawing by file name, or an empty array when there is none.
using PictureSource = std::function<QByteArray(const QString &fileName)>;

struct Composed {
    QByteArray wmf;       // empty when the page could not be written
    QStringList problems; // overflow, missing pictures, unmeasurable fonts: the page is not fit
};

// Makes the design fonts measurable (Tahoma from fonts-wine, the Liberation twins of Times New
// Roman and Arial). Returns the design families that cannot be measured. Needs a
// QGuiApplication.
QStringList registerFonts();

Composed compose(const Page &page, Copy copy, const PictureSource &pictures);

// Composes every "<stem>.txt" in content/pages into out/wmf/<stem>.wmf and out/wmf2/<stem>.wmf.
// Pictures are looked up in content/pages, then in drawings (content/pictures when not given).
// Returns false and fills problems (one line each, naming the source) when any page is unfit.
// Unfit pages are written all the same, so that they can be looked at.
bool buildPages(const QDir &content, const QDir &out, QStringList *problems,
                const QString &drawings = QString());

} // namespace composer
