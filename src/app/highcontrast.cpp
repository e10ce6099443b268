// SPDX-License-Identifier: GPL-3.0-or-later
#include "highcontrast.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace
{

bool highContrastOn = false;

const char *const DesignPalette = "quorvelDesignPalette";
const char *const DesignSheet = "quorvelDesignSheet";
const char *const RaisedSheet = "quorvelRaisedSheet";

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// The colour a label's text is drawn over: its own background where it fills one, else that of
// the nearest window or control behind it that does.
QColor backgroundOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(QPalette::Window);
    }
    return Qt::white;
}

// The colour nearest text, towards black or white, that reads at wanted against back: a red
// warning stays reddish.
QColor readable(const QColor &text, const QColor &back, double wanted)
{
    if (highcontrast::ratio(text, back) >= wanted)
        return text;
    const QColor black(Qt::black), white(Qt::white);
    const QColor end =
        highcontrast::ratio(black, back) >= highcontrast::ratio(white, back) ? black : white;
    for (int step = 1; step < 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed =
            QColor::fromRgbF(float(text.redF() + (end.redF() - text.redF()) * t),
                             float(text.greenF() + (end.greenF() - text.greenF()) * t),
                             float(text.blueF() + (end.blueF() - text.blueF()) * t));
        if (highcontrast::ratio(mixed, back) >= wanted)
            return mixed;
    }
    return end;
}

// A control drawn by its style sheet (the tick boxes and options): every colour in the sheet but
// its background's, raised to 7:1 against that background.
QString raisedSheet(const QString &sheet, const QWidget *widget)
{
    static const QRegularExpression colour(
        QStringLiteral(R"(rgb\(\s*\d+\s*,\s*\d+\s*,\s*\d+\s*\)|#[0-9a-fA-F]{6}\b)"));
    static const QRegularExpression background(QStringLiteral(R"(background(-color)?\s*:\s*)"));
    const auto parse = [](QString token) {
        if (token.startsWith(QLatin1Char('#')))
            return QColor(token);
        token.remove(QRegularExpression(QStringLiteral(R"([^\d,])")));
        const QStringList parts = token.split(QLatin1Char(','));
        return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
    };
    QColor back = backgroundOf(widget);
    const QRegularExpressionMatch b = background.match(sheet);
    if (b.hasMatch()) {
        const QRegularExpressionMatch c = colour.match(sheet, b.capturedEnd());
        if (c.hasMatch() && c.capturedStart() == b.capturedEnd())
            back = parse(c.captured());
    }
    QString raised;
    qsizetype from = 0;
    for (auto it = colour.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QColor c = parse(m.captured());
        raised += sheet.mid(from, m.capturedStart() - from);
        raised += c == back ? m.captured() : readable(c, back, 7).name();
        from = m.capturedEnd();
    }
    return raised + sheet.mid(from);
}

// Brings a style-sheet control to the current setting, its design sheet kept to go back to. A
// sheet the screen set since is its new design.
void raiseSheet(QWidget *widget)
{
    const QString sheet = widget->styleSheet();
    if (sheet.isEmpty() && !widget->property(DesignSheet).isValid())
        return;
    if (sheet != widget->property(RaisedSheet).toString())
        widget->setProperty(DesignSheet, sheet);
    const QString design = widget->property(DesignSheet).toString();
    const QString wanted = highcontrast::isOn() ? raisedSheet(design, widget) : design;
    widget->setProperty(RaisedSheet, wanted);
    if (wanted != sheet)
        widget->setStyleSheet(wanted);
}

void raise(QLabel *label)
{
    QPalette pal = label->palette();
    QColor back = backgroundOf(label);
    const QColor black(Qt::black);
    if (label->autoFillBackground() &&
        std::max(highcontrast::ratio(back, black), highcontrast::ratio(back, Qt::white)) < 7) {
        back = black;
        pal.setColor(QPalette::Window, back);
    }
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = readable(pal.color(group, QPalette::WindowText), back, 7);
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::Text, text);
        for (const QPalette::ColorRole border :
             {QPalette::Light, QPalette::Dark, QPalette::Mid, QPalette::Shadow})
            pal.setColor(group, border, readable(pal.color(group, border), back, 3));
    }
    label->setPalette(pal);
}

} // namespace

namespace highcontrast
{

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isOn()
{
    return highContrastOn;
}

void setOn(bool on)
{
    highContrastOn = on;
    for (QWidget *w : QApplication::topLevelWidgets())
        apply(w);
}

void apply(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>())
        raiseSheet(w);
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QVariant design = label->property(DesignPalette);
        if (!highContrastOn) {
            if (design.isValid()) {
                label->setPalette(design.value<QPalette>());
                label->setProperty(DesignPalette, {});
            }
            continue;
        }
        if (!design.isValid())
            label->setProperty(DesignPalette, QVariant::fromValue(label->palette()));
        raise(label);
    }
}

} // namespace highcontrast
