#pragma once

#include <string_view>

// Who the program is, as its entry tells the forms runtime: the runtime knows nothing of the
// program it serves beyond this.
namespace forms {

struct Identity
{
    // The application title: the caption of a message box raised without one of its own.
    std::u16string_view title;
    // An ASCII name for the window system to match the program by (X11's WM_CLASS, the desktop
    // entry), where the Chinese title would arrive mangled.
    std::string_view asciiName;
    std::string_view version;
};

} // namespace forms
