// The window and the library as one command or report of the play logic reaches them.
#pragma once

#include "player/model/play_library.h"
#include "player/model/play_screen.h"

struct PlayContext {
    PlayScreen& screen;
    PlayLibrary& library;
};
