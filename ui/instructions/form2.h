#pragma once

#include "forms/runtime.h"

#include <memory>

// The instructions panel: a borderless window with five lines of usage instructions that hangs
// on the query window's right-hand side, as high as it and half as wide. It has no frame to
// drag or resize it by, no taskbar button and no owner. It only sizes and places itself when
// it loads; keeping it docked and showing or hiding it is the dock's work.
class Form2
{
public:
    // Creates the panel and runs its load handler; the panel stays hidden.
    Form2(forms::Runtime &runtime, forms::Window &queryWindow);

    // The load handler: hidden, sized from the query window and placed against its right edge.
    void Form_Load();

    // The size the load handler gives the panel: the query window's outer height and half its
    // outer width, the half kept unrounded.
    void takeSizeFromQueryWindow();
    // The dock position, where the load handler and every tick put the panel: against the query
    // window's right edge, level with its top.
    void dockToQueryWindow();

    forms::Window &window() { return *form; }

private:
    forms::Window &queryWindow;
    std::unique_ptr<forms::Window> form;
};
