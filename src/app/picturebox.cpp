// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "platform.h"
#include "twips.h"

#include <QGuiApplication>
#include <QPainter>

#include <xcb/xcb.h>

#include <algorithm>
#include <map>

namespace
{

xcb_connection_t *xConnection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

// Frames kept as pixmaps in the X server, for one window: showing one is a copy the server makes
// into the window. Only for windows whose pixels are laid out as an RGB32 image's are (32 bits,
// blue in the lowest byte), so that a frame goes to the server as it is.
class PictureBox::ServerFrames
{
public:
    static std::unique_ptr<ServerFrames> create(xcb_connection_t *connection, xcb_window_t window)
    {
        if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
            return nullptr;
        const auto geometryCookie = xcb_get_geometry(connection, window);
        const auto attributesCookie = xcb_get_window_attributes(connection, window);
        xcb_get_geometry_reply_t *geometry =
            xcb_get_geometry_reply(connection, geometryCookie, nullptr);
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(connection, attributesCookie, nullptr);
        const bool usable = geometry && attributes &&
                            layoutIsRgb32(connection, geometry->depth, attributes->visual);
        const quint8 depth = geometry ? geometry->depth : 0;
        free(geometry);
        free(attributes);
        if (!usable)
            return nullptr;
        return std::unique_ptr<ServerFrames>(new ServerFrames(connection, window, depth));
    }

    ~ServerFrames()
    {
        // The connection closes with the application, and the server then frees all of it.
        if (xConnection() != m_connection)
            return;
        for (const auto &kept : m_frames)
            xcb_free_pixmap(m_connection, kept.second.pixmap);
        xcb_free_gc(m_connection, m_gc);
        xcb_flush(m_connection);
    }

    ServerFrames(const ServerFrames &) = delete;
    ServerFrames &operator=(const ServerFrames &) = delete;

    xcb_window_t window() const { return m_window; }

    // Copies the frame kept at index into the window at a position in device pixels; false when
    // that frame is not kept (or another picture was kept there).
    bool show(int index, const QImage &frame, QPoint at)
    {
        const auto kept = m_frames.find(index);
        if (kept == m_frames.end() || kept->second.key != frame.cacheKey())
            return false;
        xcb_copy_area(m_connection, kept->second.pixmap, m_window, m_gc, 0, 0,
                      static_cast<qint16>(at.x()), static_cast<qint16>(at.y()),
                      static_cast<quint16>(frame.width()), static_cast<quint16>(frame.height()));
        xcb_flush(m_connection);
        return true;
    }

    // Hands an RGB32 frame to the server, in bands of rows that fit its largest request.
    void keep(int index, const QImage &frame)
    {
        const auto old = m_frames.find(index);
        if (old != m_frames.end())
            xcb_free_pixmap(m_connection, old->second.pixmap);
        const xcb_pixmap_t pixmap = xcb_generate_id(m_connection);
        const auto width = static_cast<quint16>(frame.width());
        xcb_create_pixmap(m_connection, m_depth, pixmap, m_window, width,
                          static_cast<quint16>(frame.height()));
        const qsizetype line = frame.bytesPerLine();
        const qsizetype maxBytes = qsizetype(xcb_get_maximum_request_length(m_connection)) * 4 - 64;
        const int band = std::max(1, static_cast<int>(maxBytes / line));
        for (int y = 0; y < frame.height(); y += band) {
            const int rows = std::min(band, frame.height() - y);
            xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, m_gc, width,
                          static_cast<quint16>(rows), 0, static_cast<qint16>(y), 0, m_depth,
                          static_cast<quint32>(line * rows), frame.constScanLine(y));
        }
        m_frames[index] = {frame.cacheKey(), pixmap};
    }

private:
    struct Kept {
        qint64 key;
        xcb_pixmap_t pixmap;
    };

    ServerFrames(xcb_connection_t *connection, xcb_window_t window, quint8 depth)
        : m_connection(connection), m_window(window), m_depth(depth),
          m_gc(xcb_generate_id(connection))
    {
        // No GraphicsExpose or NoExpose event after each copy: nothing would read them, and each
        // would wake the program.
        const quint32 noExposures = 0;
        xcb_create_gc(connection, m_gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    }

    static bool layoutIsRgb32(xcb_connection_t *connection, quint8 depth, xcb_visualid_t visual)
    {
        const xcb_setup_t *setup = xcb_get_setup(connection);
        if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
            return false;
        bool thirtyTwoBits = false;
        for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
            if (f.data->depth == depth)
                thirtyTwoBits = f.data->bits_per_pixel == 32;
        if (!thirtyTwoBits)
            return false;
        for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
            for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
                for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                    if (v.data->visual_id == visual)
                        return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                               v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                               v.data->blue_mask == 0xff;
        return false;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    quint8 m_depth;
    xcb_gcontext_t m_gc;
    std::map<int, Kept> m_frames;
};

PictureBox::PictureBox(const QRect &twipRect, QWidget *parent) : QWidget(parent)
{
    setGeometry(twips::rect(twipRect));
}

PictureBox::~PictureBox() = default;

void warmPicture(const ContentPaths &paths, const QString &contentName, const QRect &twipRect,
                 qreal ratio)
{
    const QRect r = twips::rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height());
    paths.picture(contentName, r.size() * ratio);
}

void PictureBox::setPicture(const QImage &picture)
{
    takePicture(picture);
    update();
}

void PictureBox::takePicture(const QImage &picture)
{
    m_picture = picture;
    m_drawn = QImage();
    // A picture without transparency covers the whole control: what lies beneath (the page, the
    // screen's background) is not drawn again at each new picture, such as each frame of a logo.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull() && !picture.hasAlphaChannel());
}

void PictureBox::load(const ContentPaths &paths, const QString &contentName)
{
    setPicture(paths.picture(contentName, devicePixels()));
}

void PictureBox::showFrame(int index, const QImage &frame)
{
    // Drawn as it is, at the control's size, and in full view: the server can copy it.
    const bool copyable = frame.format() == QImage::Format_RGB32 &&
                          frame.size() == devicePixels() && isVisible() && !m_noServerFrames &&
                          inFullView();
    if (!copyable) {
        setPicture(frame);
        return;
    }
    const auto window = static_cast<xcb_window_t>(this->window()->winId());
    if (!m_serverFrames || m_serverFrames->window() != window) {
        xcb_connection_t *connection = xConnection();
        m_serverFrames = connection ? ServerFrames::create(connection, window) : nullptr;
        m_noServerFrames = !m_serverFrames;
        if (m_noServerFrames) {
            setPicture(frame);
            return;
        }
    }
    // The control keeps the frame as its picture, so that a repaint (the window uncovered, the
    // page under it drawn again) draws the frame on view.
    takePicture(frame);
    const QPoint at = mapTo(this->window(), QPoint(0, 0)) * devicePixelRatioF();
    if (!m_serverFrames->show(index, frame, at)) {
        // Shown through a repaint the first time; kept in the server for the next.
        m_serverFrames->keep(index, frame);
        update();
    }
}

bool PictureBox::inFullView() const
{
    // Straight on the screen, not clipped by it, and nothing drawn over it: no later sibling
    // overlaps it.
    const QWidget *parent = parentWidget();
    if (!parent || parent != window() || !parent->isVisible() ||
        !parent->rect().contains(geometry()))
        return false;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<PictureBox *>(this)) + 1; i < siblings.size();
         ++i) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings[i]);
        if (sibling && sibling->isVisible() && sibling->geometry().intersects(geometry()))
            return false;
    }
    return true;
}

QSize PictureBox::devicePixels() const
{
    return size() * devicePixelRatioF();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    const QSize pixels = devicePixels();
    if (m_drawn.size() != pixels) {
        m_drawn = screenFormat(
            m_picture.size() == pixels
                ? m_picture
                : m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_drawn.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter(this).drawImage(QPoint(0, 0), m_drawn);
}
