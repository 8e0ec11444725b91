#pragma once

#include "forms/design.h"

class QFont;
class QString;

namespace qtforms {

// The Qt font for a designed face, size and weight: the designed face where it is installed,
// else the first installed of the substitutes the application registered for it. The size is
// in pixels at 96 dots per inch, so text keeps its size relative to the twips-sized controls.
QFont designFont(const forms::FontDesign &design);

// The font to draw text in: the font itself where its face has every character, else the same
// font taking the characters it lacks from the installed "黑体" face (WenQuanYi Zen Hei has every
// unified ideograph; AR PL UMing lacks about a tenth of them, some of which names use), or from
// whatever face Qt finds. Design fonts do not merge faces, which keeps start-up lean; this is
// for text that only arrives later.
QFont fontCovering(const QFont &font, const QString &text);

} // namespace qtforms
