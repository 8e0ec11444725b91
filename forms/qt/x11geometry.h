#pragma once

#include <QRect>
#include <optional>

class QWidget;

namespace qtforms {

// A top-level window's outer rectangle as the X server has it, in the server's own pixels. Qt's
// stored geometry is what Qt last asked for or heard, in device-independent pixels: while the
// user drags a window by its caption, openbox moves the frame and tells the client nothing until
// the button is released, and at a fractional scale factor Qt's whole device-independent pixels
// cannot say where a frame ends. On any platform but X11 there is nothing to ask.
namespace x11geometry {

// The frame's rectangle, or the window's own where no window manager frames it, asked in one
// round trip. None where there is no X server or the window is not shown.
std::optional<QRect> outerRect(const QWidget &window);

// Moves or resizes a window that no window manager manages to exact server pixels, shown or
// not; Qt hears of it as of any other configuration. False, doing nothing, for any other window
// and for one that has no server window yet.
bool setLeft(QWidget &window, int pixels);
bool setTop(QWidget &window, int pixels);
bool setWidth(QWidget &window, int pixels);
bool setHeight(QWidget &window, int pixels);

} // namespace x11geometry

} // namespace qtforms
