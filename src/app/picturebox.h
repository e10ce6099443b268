// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class ContentPaths;
class ServerFrames;
class WindowSystem;

// Reads and keeps a content picture at the size a picture control of this design rectangle
// (twips) draws it on a screen of this device pixel ratio, so that showing it later costs nothing.
void warmPicture(const ContentPaths &paths, const QString &contentName, const QRect &twipRect,
                 qreal ratio);

// A picture or image control: shows a picture scaled to the control. The picture is scaled once,
// to the control's size in device pixels, never at each paint.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(const QRect &twipRect, QWidget *parent);
    ~PictureBox() override;

    void setPicture(const QImage &picture);
    // Shows a content picture decoded at the control's size in device pixels (a null picture when
    // it cannot be read).
    void load(const ContentPaths &paths, const QString &contentName);
    // The control's size in device pixels: the size its pictures are decoded at.
    QSize devicePixels() const;
    // Shows one frame of an animation, as setPicture does. Where the window system keeps frames,
    // each frame is handed to the server the first time it is shown at this index; later showings
    // of the same frame are copied to the window there, without a repaint or its round trip to the
    // server, while the control is in full view. A turning logo then costs its timer tick and one
    // small request a frame.
    void showFrame(WindowSystem &windows, int index, const QImage &frame);
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Takes a picture to draw from the next paint on, without asking for one.
    void takePicture(const QImage &picture);
    bool inFullView() const;

    // The content picture last loaded, while it is the one shown.
    struct Source {
        const ContentPaths *paths = nullptr;
        QString contentName;
    } m_source;
    std::unique_ptr<ServerFrames> m_serverFrames; // made at the first frame shown
    bool m_noServerFrames = false;                // the display cannot keep them
    QImage m_picture;
    QImage m_drawn; // m_picture at the control's size in device pixels, made at the first paint
};
