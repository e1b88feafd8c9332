// The command buttons in the playback states: which are on while a song plays, is paused, or
// none plays.
#pragma once

#include "player/model/play_window.h"

// Play off, Stop on; settings, move and delete off while a song plays.
void SetPlayingButtons(PlayWindow& window);
// While a song is paused: Play (which resumes it) and Stop on, the rest as while it plays.
void SetPausedButtons(PlayWindow& window);
// The buttons back as they are at rest, and the caption back to "Tesalo".
void SetIdleButtons(PlayWindow& window);
