// The list view, the window and the library as one command or report of the play logic reaches
// them.
#pragma once

#include "player/model/list_screen.h"
#include "player/model/play_library.h"
#include "player/model/play_window.h"

struct PlayContext {
    ListScreen& list;
    PlayWindow& window;
    PlayLibrary& library;
};
