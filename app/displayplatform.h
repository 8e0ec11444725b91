#pragma once

// Chooses the window-system platform before the application object exists. The instructions
// panel docks by placing windows at exact screen positions, which X11 allows and a Wayland
// session refuses to clients, so in a Wayland session that also offers XWayland the program
// runs through XWayland. Without XWayland it stays on Wayland, where the compositor places the
// windows and the panel shows and hides wherever it is put. An explicit QT_QPA_PLATFORM is
// always respected.
void chooseDisplayPlatform();
