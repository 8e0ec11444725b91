#pragma once

// The DPI of all screen geometry: the outer geometry of every window and the screen itself are
// in twips at the primary screen's DPI. Screen coordinates are one pixel space for the whole
// desktop, so a window converted at its own DPI would be misplaced against one converted at
// another. The runtime keeps one and hands it to its windows; they have it read again when the
// user changes the display or its scaling.
namespace win32forms {

class ScreenDpi
{
public:
    // Read when first asked after a change: a window of the program then exists, and where one
    // stands on the primary screen user32 gives its DPI without loading shcore.
    unsigned value() const;
    // The display or its settings changed: the next value() reads the DPI again.
    void changed() { known = 0; }

private:
    mutable unsigned known = 0;
};

} // namespace win32forms
