// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagetext.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>

namespace composer
{

namespace
{

const Theme Themes[] = {
    {QStringLiteral("introduction"), QStringLiteral("Tahoma"), QStringLiteral("Tahoma"), 13, 14.5,
     20, 1.25, QColor(214, 96, 20), Qt::white, QColor(244, 160, 70), QColor(24, 48, 120),
     QColor(190, 78, 8), Ink, QColor(214, 96, 20), QColor(253, 238, 222)},
    {QStringLiteral("electricity"), QStringLiteral("Tahoma"), QStringLiteral("Tahoma"), 13, 14.5,
     20, 1.25, QColor(22, 34, 78), QColor(255, 214, 0), QColor(255, 214, 0), QColor(22, 34, 78),
     QColor(0, 90, 170), Ink, QColor(232, 160, 0), QColor(255, 245, 200)},
    {QStringLiteral("faraday"), QStringLiteral("Tahoma"), QStringLiteral("Tahoma"), 13, 14.5, 20,
     1.25, QColor(92, 42, 112), Qt::white, QColor(190, 150, 210), QColor(92, 42, 112),
     QColor(30, 110, 70), Ink, QColor(92, 42, 112), QColor(240, 231, 246)},
    {QStringLiteral("notes"), QStringLiteral("Times New Roman"), QStringLiteral("Arial"), 10.5,
     11.5, 15, 1.15, QColor(0, 105, 105), Qt::white, QColor(120, 200, 190), QColor(0, 80, 80),
     QColor(0, 105, 105), Ink, QColor(0, 120, 120), QColor(224, 242, 240)},
    {QStringLiteral("guide"), QStringLiteral("Times New Roman"), QStringLiteral("Arial"), 11, 12,
     16, 1.1, QColor(39, 63, 137), QColor(255, 255, 0), QColor(255, 255, 0), QColor(39, 63, 137),
     QColor(39, 63, 137), Ink, QColor(200, 140, 0), QColor(232, 236, 248)},
    {QStringLiteral("credits"), QStringLiteral("Times New Roman"), QStringLiteral("Arial"), 12,
     12.5, 18, 1.15, QColor(20, 80, 160), Qt::white, QColor(120, 180, 240), QColor(20, 80, 160),
     QColor(20, 80, 160), Ink, QColor(20, 80, 160), QColor(225, 236, 250)},
};

} // namespace

const Theme *findTheme(const QString &name)
{
    for (const Theme &t : Themes) {
        if (t.name == name)
            return &t;
    }
    return nullptr;
}

QStringList themeNames()
{
    QStringList names;
    for (const Theme &t : Themes)
        names << t.name;
    return names;
}

QString measuringFamily(const QString &design)
{
    if (design == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (design == QLatin1String("Arial"))
        return QStringLiteral("Liberation Sans");
    return design;
}

QFont measuringFont(const TextStyle &style)
{
    QFont font(measuringFamily(style.family));
    font.setPixelSize(style.emTwips()); // one pixel of the measuring font is one twip
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

Metrics metrics(const TextStyle &style)
{
    const QFontMetricsF m(measuringFont(style));
    return {m.ascent(), m.descent()};
}

QVector<double> positions(const TextStyle &style, const QString &text)
{
    static QHash<QString, QVector<double>> cache;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(style.family)
                            .arg(style.emTwips())
                            .arg(style.bold)
                            .arg(style.italic)
                            .arg(text);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QTextLayout layout(text, measuringFont(style));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    QVector<double> pos(text.size() + 1);
    for (int i = 0; i <= text.size(); ++i)
        pos[i] = line.isValid() ? line.cursorToX(i) : 0.0;
    cache.insert(key, pos);
    return pos;
}

double advance(const TextStyle &style, const QString &text)
{
    return positions(style, text).constLast();
}

quint8 pitchAndFamily(const QString &family)
{
    const quint8 variablePitch = 2;
    const quint8 roman = 0x10, swiss = 0x20;
    return variablePitch | (family == QLatin1String("Times New Roman") ? roman : swiss);
}
QVector<Token> tokenize(const QVector<Span> &spans)
{
    QVector<Token> tokens;
    bool pendingSpace = false;
    bool inWord = false;
    for (const Span &span : spans) {
        for (QChar ch : span.text) {
            if (ch.isSpace()) {
                pendingSpace = true;
                inWord = false;
                continue;
            }
            if (!inWord) {
                tokens.append(Token{{}, pendingSpace && !tokens.isEmpty()});
                pendingSpace = false;
                inWord = true;
            }
            Token &t = tokens.last();
            if (t.fragments.isEmpty() || t.fragments.last().bold != span.bold)
                t.fragments.append(Fragment{QString(), span.bold});
            t.fragments.last().text.append(ch);
        }
        // A weight change ends a fragment but not the word.
    }
    return tokens;
}

} // namespace composer
