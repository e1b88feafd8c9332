// Whether the library may still be rendering a song, known on any thread. TeCleanUp must wait
// for the song's end report, and at the end of the process no event loop may be left to take
// it: the reports are noted here as they are posted.
#pragma once

#include <chrono>
#include <cstdint>

// Before TePlay: the library is busy until the song's end is reported.
void NoteSongStarting();
// A "TEDLL_NOTIFY" report, noted on the thread that posts it.
void NoteLibraryReport(std::uintptr_t code, std::intptr_t value);
// Waits until no song is being played, at most timeout; true when none is.
bool WaitForLibraryIdle(std::chrono::milliseconds timeout);
