#include "forms/qt/x11geometry.h"

#include "forms/qt/x11connection.h"

#include <QWidget>
#include <QWindow>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace qtforms {

namespace {

template<typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// The server's window of a widget, without creating one for a widget that has none.
xcb_window_t serverWindow(const QWidget &window)
{
    return static_cast<xcb_window_t>(window.internalWinId());
}

bool configure(QWidget &window, std::uint16_t field, int pixels)
{
    xcb_connection_t *connection = x11connection::get();
    const xcb_window_t id = serverWindow(window);
    if (!connection || id == XCB_NONE
        || !window.windowFlags().testFlag(Qt::X11BypassWindowManagerHint)) {
        return false;
    }
    const std::uint32_t value = static_cast<std::uint32_t>(pixels);
    xcb_configure_window(connection, id, field, &value);
    xcb_flush(connection);
    return true;
}

} // namespace

// The client's position on the root window, its size and the frame's extents, which the window
// manager publishes in _NET_FRAME_EXTENTS, are asked together and answered in one round trip.
std::optional<QRect> x11geometry::outerRect(const QWidget &window)
{
    xcb_connection_t *connection = x11connection::get();
    const xcb_window_t id = window.isVisible() ? serverWindow(window) : XCB_NONE;
    if (!connection || id == XCB_NONE) {
        return std::nullopt;
    }
    static const xcb_atom_t frameExtents = x11connection::atom(connection, "_NET_FRAME_EXTENTS");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto placeCookie = xcb_translate_coordinates(connection, id, root, 0, 0);
    const auto sizeCookie = xcb_get_geometry(connection, id);
    const auto extentsCookie
        = xcb_get_property(connection, 0, id, frameExtents, XCB_ATOM_CARDINAL, 0, 4);
    const Owned<xcb_translate_coordinates_reply_t> place(
        xcb_translate_coordinates_reply(connection, placeCookie, nullptr), &std::free);
    const Owned<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(connection, sizeCookie, nullptr), &std::free);
    const Owned<xcb_get_property_reply_t> extents(
        xcb_get_property_reply(connection, extentsCookie, nullptr), &std::free);
    if (!place || !size) {
        return std::nullopt;
    }
    QRect outer(place->dst_x, place->dst_y, size->width, size->height);
    // Left, right, top, bottom.
    if (extents && xcb_get_property_value_length(extents.get()) == 4 * sizeof(std::uint32_t)) {
        const auto *frame
            = static_cast<const std::uint32_t *>(xcb_get_property_value(extents.get()));
        outer.adjust(-int(frame[0]), -int(frame[2]), int(frame[1]), int(frame[3]));
    } else if (const QWindow *handle = window.windowHandle()) {
        // A window manager may frame the window before it publishes the extents, or not publish
        // them at all; Qt has then measured the frame itself.
        const QMargins frame = handle->frameMargins();
        const qreal ratio = handle->devicePixelRatio();
        const auto pixels = [ratio](int margin) { return int(std::lround(margin * ratio)); };
        outer.adjust(-pixels(frame.left()), -pixels(frame.top()), pixels(frame.right()),
            pixels(frame.bottom()));
    }
    return outer;
}

bool x11geometry::setLeft(QWidget &window, int pixels)
{
    return configure(window, XCB_CONFIG_WINDOW_X, pixels);
}

bool x11geometry::setTop(QWidget &window, int pixels)
{
    return configure(window, XCB_CONFIG_WINDOW_Y, pixels);
}

bool x11geometry::setWidth(QWidget &window, int pixels)
{
    return configure(window, XCB_CONFIG_WINDOW_WIDTH, pixels);
}

bool x11geometry::setHeight(QWidget &window, int pixels)
{
    return configure(window, XCB_CONFIG_WINDOW_HEIGHT, pixels);
}

} // namespace qtforms
