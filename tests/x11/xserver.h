#pragma once

// What the X server itself shows of a window: where it is, whether it is mapped, how it is
// stacked and whether the window manager lists it. Qt's stored geometry is only what Qt last
// asked for or heard, and a window manager may have put the window elsewhere.
#include <QGuiApplication>
#include <QList>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace xserver {

template<typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

inline xcb_connection_t *connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

inline xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

// The child of the root window that holds the widget's window: its frame, if it has one.
inline xcb_window_t outermost(const QWidget &widget)
{
    auto window = static_cast<xcb_window_t>(widget.winId());
    for (;;) {
        const Owned<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection(), xcb_query_tree(connection(), window), nullptr),
            &std::free);
        if (!tree || tree->parent == tree->root) {
            return window;
        }
        window = tree->parent;
    }
}

// The window's outer rectangle, frame included, in root coordinates.
inline QRect outerRect(const QWidget &widget)
{
    const Owned<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(
            connection(), xcb_get_geometry(connection(), outermost(widget)), nullptr),
        &std::free);
    const int border = 2 * geometry->border_width;
    return {geometry->x, geometry->y, geometry->width + border, geometry->height + border};
}

inline bool viewable(const QWidget &widget)
{
    const Owned<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection(),
            xcb_get_window_attributes(connection(), static_cast<xcb_window_t>(widget.winId())),
            nullptr),
        &std::free);
    return attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

inline bool overrideRedirect(const QWidget &widget)
{
    const Owned<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection(),
            xcb_get_window_attributes(connection(), static_cast<xcb_window_t>(widget.winId())),
            nullptr),
        &std::free);
    return attributes->override_redirect != 0;
}

// The root window's children, bottom first.
inline QList<xcb_window_t> stackingOrder()
{
    const Owned<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection(), xcb_query_tree(connection(), root()), nullptr),
        &std::free);
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

inline xcb_atom_t atom(const char *name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection(),
            xcb_intern_atom(connection(), 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply->atom;
}

// A property of a window that holds a list of 32-bit values of the given type.
inline QList<std::uint32_t> listProperty(xcb_window_t window, const char *name, xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> property(
        xcb_get_property_reply(connection(),
            xcb_get_property(connection(), 0, window, atom(name), type, 0, 4096), nullptr),
        &std::free);
    const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(property.get()));
    return {values,
        values
            + xcb_get_property_value_length(property.get())
                / static_cast<int>(sizeof(std::uint32_t))};
}

// Asks the window manager to add or remove a _NET_WM_STATE of a managed window, as a pager or
// the window menu does.
inline void setWindowState(const QWidget &widget, const char *state, bool on)
{
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(widget.winId());
    message.type = atom("_NET_WM_STATE");
    // Add or remove, the state, no second state, a normal application asks.
    message.data.data32[0] = on ? 1 : 0;
    message.data.data32[1] = atom(state);
    message.data.data32[3] = 1;
    xcb_send_event(connection(), 0, root(),
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char *>(&message));
    xcb_flush(connection());
}

// The windows the window manager lists for taskbars and pagers.
inline QList<std::uint32_t> clientList()
{
    return listProperty(root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
}

} // namespace xserver
