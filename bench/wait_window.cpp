// SPDX-License-Identifier: GPL-3.0-or-later
// Waits on one X connection until a viewable top-level window with the given title exists, then
// exits 0 (1 after the timeout). Used by startup.sh. It is told of each window mapped on the
// screen by the server (no polling), so it adds no load to the server while the program under
// test starts, and notices the title's mapping at once, however many windows the program has.
// With --drawn QUIET it goes on until nothing has been drawn in that window's place on the screen
// for QUIET milliseconds, and prints two wall-clock times in nanoseconds since the epoch (as
// `date +%s%N`): when the window was mapped, and the last drawing in its place (fully drawn). It
// first moves the pointer to the screen's top left corner, so that nothing lights up under it.
//
//   wait_window TITLE [timeout-ms] [--drawn QUIET]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

bool named(xcb_connection_t *c, xcb_window_t window, const std::string &title)
{
    xcb_get_property_reply_t *name = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr);
    if (!name)
        return false;
    const auto length = static_cast<size_t>(xcb_get_property_value_length(name));
    const bool found = length == title.size() &&
                       std::memcmp(xcb_get_property_value(name), title.data(), length) == 0;
    std::free(name);
    return found;
}

bool hasViewableWindowNamed(xcb_connection_t *c, xcb_window_t root, const std::string &title)
{
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree)
        return false;
    bool found = false;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        found = viewable && named(c, children[i], title);
    }
    std::free(tree);
    return found;
}

// Every drawing on the screen is reported, in screen coordinates, from now on.
uint8_t watchScreen(xcb_connection_t *c, xcb_window_t root)
{
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present)
        return 0;
    std::free(xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    xcb_damage_create(c, xcb_generate_id(c), root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    return damage->first_event + XCB_DAMAGE_NOTIFY;
}

bool overlaps(const xcb_rectangle_t &a, const xcb_get_geometry_reply_t &b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const std::string title = argv[1];
    const int timeoutMs = argc > 2 && argv[2][0] != '-' ? std::atoi(argv[2]) : 10000;
    int quietMs = -1;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--drawn") == 0)
            quietMs = std::atoi(argv[i + 1]);
    }
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint8_t damageEvent = quietMs >= 0 ? watchScreen(c, root) : 0;
    if (quietMs >= 0 && !damageEvent)
        return 2;
    if (quietMs >= 0)
        xcb_warp_pointer(c, XCB_NONE, root, 0, 0, 0, 0, 0, 0);
    // Mappings from now on are reported; then the windows already there are looked at once.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &events);
    xcb_window_t window = XCB_NONE;
    bool found = hasViewableWindowNamed(c, root, title);
    xcb_get_geometry_reply_t *place = nullptr;
    auto mapped = std::chrono::system_clock::now();
    auto lastDrawing = mapped;
    auto lastSeen = std::chrono::steady_clock::now();
    const auto end = lastSeen + std::chrono::milliseconds(timeoutMs);
    const auto done = [&] {
        if (!found)
            return false;
        return quietMs < 0 || (place && std::chrono::steady_clock::now() - lastSeen >=
                                            std::chrono::milliseconds(quietMs));
    };
    while (!done() && std::chrono::steady_clock::now() < end) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && !found) {
                window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                found = named(c, window, title);
                if (found && quietMs >= 0) {
                    place = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
                    // In screen coordinates, also under a window manager's frame.
                    xcb_translate_coordinates_reply_t *origin = xcb_translate_coordinates_reply(
                        c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr);
                    if (place && origin) {
                        place->x = origin->dst_x;
                        place->y = origin->dst_y;
                    }
                    std::free(origin);
                    mapped = lastDrawing = std::chrono::system_clock::now();
                    lastSeen = std::chrono::steady_clock::now();
                }
            } else if (damageEvent && type == damageEvent && place &&
                       overlaps(reinterpret_cast<xcb_damage_notify_event_t *>(event)->area,
                                *place)) {
                lastDrawing = std::chrono::system_clock::now();
                lastSeen = std::chrono::steady_clock::now();
            }
            std::free(event);
        }
        if (done() || xcb_connection_has_error(c))
            break;
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, found && quietMs >= 0 ? 5 : 100);
    }
    if (found && quietMs >= 0) {
        if (!place)
            return 1;
        const auto ns = [](std::chrono::system_clock::time_point t) {
            return static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count());
        };
        std::printf("%lld %lld\n", ns(mapped), ns(lastDrawing));
    }
    std::free(place);
    xcb_disconnect(c);
    return found ? 0 : 1;
}
