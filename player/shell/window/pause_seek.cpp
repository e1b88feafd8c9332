#include "player/shell/window/pause_seek.h"

#include "player/shell/window/library_calls.h"
#include "player/shell/window/window_play_screen.h"

void PauseCommand(const MainWindowControls& controls) {
    WindowPlay play(controls);
    PauseCommand(play.context);
}

void SeekCommand(std::int64_t targetMs) {
    LibraryCalls library;
    SeekCommand(library, targetMs);
}
