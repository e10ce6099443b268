// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QRect>

#include <cmath>

// Screens are designed in twips; the program draws at 15 twips to a logical pixel and leaves
// high-density screens to Qt's scaling.
namespace twips
{

constexpr int PerPixel = 15;

constexpr int px(int t)
{
    return t >= 0 ? (t + PerPixel / 2) / PerPixel : -((-t + PerPixel / 2) / PerPixel);
}

constexpr int fromPx(int p)
{
    return p * PerPixel;
}

// The width of a screen's design; controls are placed across it.
constexpr int DesignWidth = 12000;

// A design rectangle in twips, in logical pixels, inside a parent across twips wide. In a
// right-to-left language it is mirrored across the parent, as Qt mirrors its layouts (it does not
// mirror controls placed at fixed positions): this is where every screen places its controls.
inline QRect rect(int left, int top, int width, int height, int across = DesignWidth)
{
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft)
        left = across - left - width;
    return QRect(px(left), px(top), px(width), px(height));
}

inline QRect rect(const QRect &twipRect, int across = DesignWidth)
{
    return rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height(), across);
}

// A design rectangle that is never mirrored: a place on a picture, which reads the same way in
// every language (an activity's drop boxes and labels).
inline QRect onPicture(const QRect &twipRect)
{
    return QRect(px(twipRect.x()), px(twipRect.y()), px(twipRect.width()), px(twipRect.height()));
}

// Design font sizes are in points at 20 twips a point, so a point is 4/3 of a logical pixel.
inline int fontPx(double points)
{
    return static_cast<int>(std::lround(points * 4.0 / 3.0));
}

} // namespace twips
