#pragma once

#include <windows.h>

// The frame the user sees. On Windows 10 and 11, GetWindowRect of a framed window includes
// borders that are drawn invisible (the resize area around the thin visible edge); the
// desktop window manager reports the visible bounds (DWMWA_EXTENDED_FRAME_BOUNDS). Placing
// and measuring windows by those bounds centres the query window by what is seen and puts the
// panel flush against its visible right edge. Before Windows 10, and where the call or
// composition is missing, the window rectangle is the visible frame.
namespace win32forms {

RECT visibleFrame(HWND window);

// Moves and sizes the window so that its visible frame becomes the given rectangle.
void placeVisibleFrame(HWND window, const RECT &frame);

} // namespace win32forms
