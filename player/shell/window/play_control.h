// Playing the rows of the list view, as the window procedure asks for it: the play logic over
// the main window's controls and the library.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Command kCommandPlay: plays the focused row (row 0, focused, when none has the focus).
void PlayCommand(const MainWindowControls& controls);

// Plays the focused row; a song that plays is stopped first, and its end report then plays the
// row focused by then.
void PlayFocusedRow(const MainWindowControls& controls);

// Asks the library to stop for the reason; its end report carries the reason out.
void StopFor(int pendingAction);

// Report TE_NOTIFY_END, or TE_NOTIFY_PLAY with 1 when the library refused the song.
void EndOfPlayback(const MainWindowControls& controls, bool refused);
