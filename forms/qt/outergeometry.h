#pragma once

#include "forms/runtime.h"

class QWidget;

// A top-level window's outer position and size in twips, frame and caption bar included, which
// is how the window designs and their handlers read and write them. Values are floats; a
// setter rounds to the nearest pixel only when it hands the value to Qt, and moves or resizes
// the window at once. Frame sizes come from the window system: until the window manager has
// decorated a window, its outer size is its client size.
class OuterGeometry
{
public:
    explicit OuterGeometry(QWidget &topLevel)
        : window(topLevel)
    { }

    float left() const;
    float top() const;
    float width() const;
    float height() const;

    void setLeft(float value);
    void setTop(float value);
    void setWidth(float value);
    void setHeight(float value);

private:
    QWidget &window;
};

// The primary screen in twips.
forms::ScreenTwips primaryScreenTwips();
