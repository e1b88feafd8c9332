// Starting the synthesizer library when the main window opens, with the library itself, the
// shipped voice file and the player's message boxes (the steps: player/model/library_start.h).
#pragma once

#include "platform/messages.h"
#include "player/model/library_start.h"

// Starts the library for the window; a failure shows its message and leaves the window usable
// for the song lists. 1 when the library is ready to play.
int StartLibrary(platform::WindowHandle window);
