// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11windowsystem.h"

#include <QGuiApplication>

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

// Frames kept as pixmaps in the X server. Only for windows whose pixels are laid out as an RGB32
// image's are, so that a frame goes to the server as it is.
class XcbFrames : public ServerFrames
{
public:
    static std::unique_ptr<XcbFrames> create(xcb_connection_t *connection, xcb_window_t window)
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
        return std::unique_ptr<XcbFrames>(new XcbFrames(connection, window, depth));
    }

    ~XcbFrames() override
    {
        // The connection closes with the application, and the server then frees all of it.
        if (xConnection() != m_connection)
            return;
        for (const auto &kept : m_frames)
            xcb_free_pixmap(m_connection, kept.second.pixmap);
        xcb_free_gc(m_connection, m_gc);
        xcb_flush(m_connection);
    }

    XcbFrames(const XcbFrames &) = delete;
    XcbFrames &operator=(const XcbFrames &) = delete;

    WId window() const override { return m_window; }

    bool show(int index, const QImage &frame, QPoint at) override
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

    // In bands of rows that fit the server's largest request.
    void keep(int index, const QImage &frame) override
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

    XcbFrames(xcb_connection_t *connection, xcb_window_t window, quint8 depth)
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

} // namespace

void X11WindowSystem::flush()
{
    if (xcb_connection_t *connection = xConnection())
        xcb_flush(connection);
}

bool X11WindowSystem::fillsBackgrounds() const
{
    return xConnection() != nullptr;
}

void X11WindowSystem::fillBackground(WId window, const QColor &colour)
{
    xcb_connection_t *connection = xConnection();
    if (!connection)
        return;
    const quint32 pixel = colour.rgb() & 0xffffff;
    const auto id = static_cast<xcb_window_t>(window);
    xcb_change_window_attributes(connection, id, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, id, 0, 0, 0, 0);
    xcb_flush(connection);
}

std::unique_ptr<ServerFrames> X11WindowSystem::serverFrames(WId window)
{
    xcb_connection_t *connection = xConnection();
    if (!connection)
        return nullptr;
    return XcbFrames::create(connection, static_cast<xcb_window_t>(window));
}
