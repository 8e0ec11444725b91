#pragma once

// What the Qt edition sets up once the application object exists and before any window does:
// the project's name, version and Simplified Chinese locale, Qt's own texts in Chinese, the
// font substitutes, the program
// icon and the desktop entry a Wayland compositor matches the windows with. The title is
// deliberately not Qt's application display name, which X11 and Wayland would append to every
// window's caption.
void prepareApplication();
