#pragma once

#include <string_view>

// The settings the whole program shares, fixed at build time. The application title is what a
// message box raised without a caption of its own shows as its caption.
namespace projectsettings {

inline constexpr std::u16string_view applicationTitle = u"工程1";
// An ASCII name for the window system to match the program by (X11's WM_CLASS, the desktop
// entry), where the Chinese title would arrive mangled.
inline constexpr std::string_view applicationName = "merrowdale-results";
inline constexpr std::string_view version = "1.00";
// Simplified Chinese (China): every caption and message is Chinese text.
inline constexpr unsigned short localeId = 0x0804;

} // namespace projectsettings
