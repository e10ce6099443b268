// SPDX-License-Identifier: GPL-3.0-or-later
#include "highcontrast.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace
{

bool highContrastOn = false;

const char *const DesignPalette = "quorvelDesignPalette";

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

QColor readable(const QColor &text, const QColor &back, double wanted)
{
    if (highcontrast::ratio(text, back) >= wanted)
        return text;
    const QColor black(Qt::black), white(Qt::white);
    return highcontrast::ratio(black, back) >= highcontrast::ratio(white, back) ? black : white;
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
