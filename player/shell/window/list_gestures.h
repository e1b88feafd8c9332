// The list view's own mouse and keys: a double-click on a row plays that row, the Delete key
// deletes the selected rows as the Delete button does. Enter needs nothing of its own: the view
// passes it on to the window, whose Enter plays the focused row or stops.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Connects the gestures of controls.listView; the controls must live as long as the view.
void ConnectListGestures(const MainWindowControls& controls);
