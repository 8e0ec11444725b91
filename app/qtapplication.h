#pragma once

// The Qt edition's setup of the application object, before any window exists: what the forms
// runtime needs (prepareQtForms), then the program's own choices, its icon and the desktop
// entry a Wayland compositor matches its windows with.
void prepareApplication();
