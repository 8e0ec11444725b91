#pragma once

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
    // Gives the window this outer size and keeps anyone, user or window manager, from changing it.
    void setFixedSize(float width, float height);

private:
    QWidget &window;
};

// The primary screen in twips. Its origin need not be 0,0 on a desk of several screens.
struct ScreenTwips
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

ScreenTwips primaryScreenTwips();

// Where a window of the given outer extent starts so that it is centred on a screen extent: the
// half is kept, not rounded, and a window larger than the screen gets a negative start.
float centredStart(float screenStart, float screenExtent, float windowExtent);
