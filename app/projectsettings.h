#pragma once

#include <QString>

// The settings the whole program shares, fixed at build time. The application title is what a
// message box raised without a caption of its own shows as its caption.
namespace projectsettings {

inline const QString applicationTitle = QStringLiteral(u"工程1");
// Qt's application name, which X11 reads as the windows' WM_CLASS: an ASCII name that window
// managers can match with the desktop entry (StartupWMClass), where the Chinese title would
// arrive as mangled Latin-1.
inline const QString applicationName = QStringLiteral(u"merrowdale-results");
inline const QString version = QStringLiteral(u"1.00");

// Applies the name, version and the Simplified Chinese interface locale. Called once, before
// any window exists. The title is deliberately not Qt's application display name, which X11 and
// Wayland would append to every window's caption.
void apply();

} // namespace projectsettings
