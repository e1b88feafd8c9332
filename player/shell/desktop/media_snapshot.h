// The snapshot of the running player that the desktop's media controls show, taken on the GUI
// thread.
#pragma once

#include "player/model/media_state.h"
#include "player/shell/window/main_window_controls.h"

// The snapshot of the running player (g_player, its settings, its list view and what is in
// front of its window).
MediaState TakeMediaState(const MainWindowControls& controls);
