// What the main window does when it opens, before the user gets it.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Publishes the window's handle to later starts, opens where the last run left it (else
// maximized in the screen's work area, title bar and frame included), sets up the song lists
// and the list view with the stored column widths and shows the list shown last (else the
// first); the library starts as soon as the window's event loop runs.
void InitMainWindow(const MainWindowControls& controls);
