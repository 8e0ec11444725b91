#include "forms/qt/x11stacking.h"

#include "forms/qt/x11connection.h"

#include <QWidget>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <xcb/xcb.h>

namespace qtforms {

namespace {

// The child of the root window that holds window: the window itself when no window manager has
// reparented it into a frame.
xcb_window_t outermost(xcb_connection_t *connection, xcb_window_t window)
{
    for (;;) {
        const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr),
            &std::free);
        if (!tree || tree->parent == tree->root || tree->parent == XCB_NONE) {
            return window;
        }
        window = tree->parent;
    }
}

} // namespace

void x11stacking::skipTaskbarAndPager(QWidget &window)
{
    xcb_connection_t *connection = x11connection::get();
    if (!connection) {
        return;
    }
    const xcb_atom_t states[] = {x11connection::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
        x11connection::atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
        static_cast<xcb_window_t>(window.winId()), x11connection::atom(connection, "_NET_WM_STATE"),
        XCB_ATOM_ATOM, 32, std::size(states), states);
    xcb_flush(connection);
}

void x11stacking::stackJustAbove(QWidget &window, QWidget &anchor)
{
    xcb_connection_t *connection = x11connection::get();
    if (!connection || !window.isVisible() || !anchor.isVisible()) {
        return;
    }
    const std::uint32_t values[]
        = {outermost(connection, static_cast<xcb_window_t>(anchor.winId())), XCB_STACK_MODE_ABOVE};
    xcb_configure_window(connection, static_cast<xcb_window_t>(window.winId()),
        XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    xcb_flush(connection);
}

} // namespace qtforms
