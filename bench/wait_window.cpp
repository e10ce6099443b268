// SPDX-License-Identifier: GPL-3.0-or-later
// Waits on one X connection until a viewable top-level window with the given title exists, then
// exits 0 (1 after the timeout). Used by startup.sh: polling with a new connection each time
// floods the X server while the program under test is trying to connect.
//
//   wait_window TITLE [timeout-ms]
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace
{

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
        if (!viewable)
            continue;
        xcb_get_property_reply_t *name =
            xcb_get_property_reply(c,
                                   xcb_get_property(c, 0, children[i], XCB_ATOM_WM_NAME,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr);
        if (name) {
            const auto length = static_cast<size_t>(xcb_get_property_value_length(name));
            found = length == title.size() &&
                    std::memcmp(xcb_get_property_value(name), title.data(), length) == 0;
            std::free(name);
        }
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
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(timeoutMs)) {
        if (hasViewableWindowNamed(c, root, title)) {
            xcb_disconnect(c);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    xcb_disconnect(c);
    return 1;
}
