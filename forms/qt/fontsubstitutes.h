#pragma once

namespace qtforms {

// The windows ask for the faces "宋体" (SimSun) and "黑体" (SimHei), which only Windows ships.
// Elsewhere these substitutes stand in, chosen for metrics that fit the designed boxes: a
// Song/Ming face for 宋体 and a plain sans face for 黑体, with Noto CJK as the last resort. Where
// the real face is installed it is used and the substitutes are never consulted. Must run
// before any window exists.
void registerFontSubstitutes();

} // namespace qtforms
