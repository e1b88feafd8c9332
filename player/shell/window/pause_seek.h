// Pausing, resuming and seeking the playing song, as the window procedure asks for it: the
// pause and seek logic over the main window's controls and the library.
#pragma once

#include <cstdint>

#include "player/model/pause_seek.h"
#include "player/shell/window/main_window_controls.h"

// Command kCommandPause: pauses the playing song, or resumes the paused one.
void PauseCommand(const MainWindowControls& controls);

// Commands kCommandSeekTo and kCommandSeekBy: the song plays on from targetMs (see the model's
// SeekCommand).
void SeekCommand(std::int64_t targetMs);
