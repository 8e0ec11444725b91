#pragma once

#include "forms/runtime.h"

#include <QRect>
#include <optional>

class QWidget;

namespace qtforms {

// A top-level window's outer position and size in twips, frame and caption bar included, which
// is how the window designs and their handlers read and write them. Values are floats. On X11 a
// shown window is read as the X server has it, in the server's pixels, so that a frame dragged
// by the user is read where it is and a sum of twips at a fractional scale factor still lands
// on the frame's last pixel; elsewhere Qt's geometry is read. A setter rounds to the nearest
// pixel only when it hands the value on, and moves or resizes the window at once: a window that
// no window manager manages to the server's exact pixel, any other through Qt. Frame sizes come
// from the window system: until the window manager has decorated a window, its outer size is
// its client size.
class OuterGeometry
{
public:
    // The outer rectangle in the X server's pixels, when the caller has just asked for it.
    explicit OuterGeometry(QWidget &topLevel, std::optional<QRect> serverRect = std::nullopt);

    float left() const;
    float top() const;
    float width() const;
    float height() const;

    void setLeft(float value);
    void setTop(float value);
    void setWidth(float value);
    void setHeight(float value);

private:
    // The outer rectangle in device-independent pixels, fractional where the scale factor is.
    QRectF outer() const;
    // A value in twips as the nearest whole pixel of the X server.
    int serverPixels(float value) const;

    QWidget &window;
    std::optional<QRect> knownServerRect;
};

// The primary screen in twips.
forms::ScreenTwips primaryScreenTwips();

} // namespace qtforms
