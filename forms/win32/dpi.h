#pragma once

#include <windows.h>

// The DPI a window or the primary screen is drawn at, and the outer size of a client area at a
// DPI. The per-monitor calls exist from Windows 8.1 or 10 on; each is looked up at run time, and
// where it is missing the system DPI stands in, as it does for the whole desktop on Windows 7.
namespace win32forms {

unsigned windowDpi(HWND window);
// A window of the program that lies on the primary screen, or nullptr, lets the DPI come from
// user32 rather than from shcore.
unsigned primaryScreenDpi(HWND windowOnPrimary);

// The window rectangle around a client area of the given size, for the style at the DPI.
SIZE outerSizeForClient(SIZE client, DWORD style, DWORD exStyle, unsigned dpi);

} // namespace win32forms
