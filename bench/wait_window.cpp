// SPDX-License-Identifier: GPL-3.0-or-later
// Waits on one X connection until a viewable top-level window with the given title exists, then
// exits 0 (1 after the timeout). Used by startup.sh. It is told of each window mapped on the
// screen by the server (no polling), so it adds no load to the server while the program under
// test starts, and notices the title's mapping at once, however many windows the program has.
//
//   wait_window TITLE [timeout-ms]
#include <xcb/xcb.h>

#include <poll.h>

#include <chrono>
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const std::string title = argv[1];
    const int timeoutMs = argc > 2 ? std::atoi(argv[2]) : 10000;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // Mappings from now on are reported; then the windows already there are looked at once.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &events);
    bool found = hasViewableWindowNamed(c, root, title);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!found && std::chrono::steady_clock::now() < end) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                found = found ||
                        named(c, reinterpret_cast<xcb_map_notify_event_t *>(event)->window, title);
            std::free(event);
        }
        if (found || xcb_connection_has_error(c))
            break;
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, 100);
    }
    xcb_disconnect(c);
    return found ? 0 : 1;
}
