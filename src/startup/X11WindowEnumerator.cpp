#include "startup/X11WindowEnumerator.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace zem {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> own(T* reply) {
    return Reply<T>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name);
    auto reply = own(xcb_intern_atom_reply(c, cookie, nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> children(xcb_connection_t* c, xcb_window_t parent) {
    auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
    if (!tree)
        return {};
    const xcb_window_t* kids = xcb_query_tree_children(tree.get());
    return std::vector<xcb_window_t>(kids, kids + xcb_query_tree_children_length(tree.get()));
}

// The window list the window manager publishes on the root, empty when there is none.
std::vector<xcb_window_t> clientList(xcb_connection_t* c, xcb_window_t root, xcb_atom_t netClientList) {
    if (netClientList == XCB_ATOM_NONE)
        return {};
    const auto cookie = xcb_get_property(c, 0, root, netClientList, XCB_ATOM_WINDOW, 0, 1u << 20);
    auto reply = own(xcb_get_property_reply(c, cookie, nullptr));
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_WINDOW)
        return {};
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::vector<xcb_window_t>(ids, ids + count);
}

QString propertyText(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
    if (property == XCB_ATOM_NONE)
        return {};
    const auto cookie = xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
    auto reply = own(xcb_get_property_reply(c, cookie, nullptr));
    if (!reply || reply->format != 8)
        return {};
    const char* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    const int length = xcb_get_property_value_length(reply.get());
    // STRING is Latin-1; UTF8_STRING (and anything else a client may have set) is read as UTF-8.
    if (reply->type == XCB_ATOM_NONE)
        return {};
    if (reply->type == XCB_ATOM_STRING)
        return QString::fromLatin1(data, length);
    return QString::fromUtf8(data, length);
}

}  // namespace

QList<TopLevelWindow> X11WindowEnumerator::topLevelWindows() const {
    QList<TopLevelWindow> out;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return out;
    }
    const xcb_atom_t netClientList = atom(c, "_NET_CLIENT_LIST");
    const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME");

    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it)) {
        const xcb_window_t root = it.data->root;
        std::vector<xcb_window_t> windows = clientList(c, root, netClientList);
        if (windows.empty()) {
            for (xcb_window_t top : children(c, root)) {
                windows.push_back(top);
                for (xcb_window_t inner : children(c, top))
                    windows.push_back(inner);
            }
        }
        for (xcb_window_t w : windows) {
            auto attributes =
                own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
            if (!attributes)
                continue;  // the window went away meanwhile
            TopLevelWindow entry;
            entry.visible = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
            if (entry.visible) {
                entry.title = propertyText(c, w, netWmName);
                if (entry.title.isEmpty())
                    entry.title = propertyText(c, w, XCB_ATOM_WM_NAME);
            }
            out.append(entry);
        }
    }
    xcb_disconnect(c);
    return out;
}

}  // namespace zem
