#pragma once

#include <string_view>
#include <xcb/xcb.h>

namespace qtforms {

// The X server connection that Qt's xcb platform holds, for the few things Qt has no call for.
namespace x11connection {

// The connection, or null on any platform that is not X11 (offscreen offers the X11 interface
// too, without a connection).
xcb_connection_t *get();

xcb_atom_t atom(xcb_connection_t *connection, std::string_view name);

} // namespace x11connection

} // namespace qtforms
