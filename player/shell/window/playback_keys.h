// The window's playback keys, wherever the focus is in it: Space pauses and resumes the playing
// song (with none playing, it plays the focused row), Left and Right jump five seconds back and
// forward in it.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Makes the keys' shortcuts on controls.window; the controls must live as long as the window.
void ConnectPlaybackKeys(const MainWindowControls& controls);
