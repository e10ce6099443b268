// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWindow>

#include <memory>

// Animation frames kept in the display server for one window: showing a kept frame is a copy the
// server makes into the window, with no repaint and no round trip.
class ServerFrames
{
public:
    virtual ~ServerFrames() = default;
    // The window the frames are shown in.
    virtual WId window() const = 0;
    // Copies the frame kept at index into the window at a position in device pixels; false when
    // that frame is not kept (or another picture was kept there).
    virtual bool show(int index, const QImage &frame, QPoint at) = 0;
    // Hands an RGB32 frame to the server, to be shown at index from now on.
    virtual void keep(int index, const QImage &frame) = 0;
};

// What the screens ask of the display server beyond what Qt does for them. On a display without
// these abilities (another platform, the offscreen tests) every operation declines, and the
// screens draw as any widget does.
class WindowSystem
{
public:
    virtual ~WindowSystem() = default;
    // Sends what has been asked of the server so far, as Qt does when the event loop next waits.
    virtual void flush() = 0;
    // Whether the server can fill a window with a flat colour itself.
    virtual bool fillsBackgrounds() const = 0;
    // Has the server fill the window with the colour, now and whenever it is uncovered.
    virtual void fillBackground(WId window, const QColor &colour) = 0;
    // Frames kept in the server for the window, or null when its pixels are not laid out as an
    // RGB32 image's (32 bits, blue in the lowest byte) or the server keeps no frames.
    virtual std::unique_ptr<ServerFrames> serverFrames(WId window) = 0;
};
