#include "ui/x11stacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

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

void x11stacking::stackJustAbove(QWidget &window, QWidget &anchor)
{
    // The offscreen platform offers the X11 interface too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window.isVisible() || !anchor.isVisible()) {
        return;
    }
    const std::uint32_t values[]
        = {outermost(connection, static_cast<xcb_window_t>(anchor.winId())), XCB_STACK_MODE_ABOVE};
    xcb_configure_window(connection, static_cast<xcb_window_t>(window.winId()),
        XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
    xcb_flush(connection);
}
