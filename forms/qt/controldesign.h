#pragma once

#include "forms/design.h"

#include <span>

class QWidget;

namespace qtforms {

// Creates the designed controls as children of window, each named by its design name, at its
// rectangle with its caption, font and colour, and chains the Tab key through them in rising
// tab index. Labels draw from their top-left corner and wrap within their width, as they do on
// the design's home platform; text boxes take text of any length; buttons are announced by
// their captions, not by the lines they are wrapped into, and text boxes by their labels.
void buildControls(QWidget &window, std::span<const forms::ControlDesign> rows);

} // namespace qtforms
