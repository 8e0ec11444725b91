#pragma once

#include "forms/design.h"

class QFont;

// The Qt font for a designed face, size and weight: the designed face where it is installed,
// else the first installed of the substitutes the application registered for it. The size is
// in pixels at 96 dots per inch, so text keeps its size relative to the twips-sized controls.
QFont designFont(const forms::FontDesign &design);
