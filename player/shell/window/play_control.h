// Playing the rows of the list view: Play, a row at a time with chain play over rows that
// cannot be played, and what happens when the library reports the end of a song.
#pragma once

#include "player/shell/window/main_window_controls.h"

// Every row's state picture back to normal.
void ResetRowMarks(const MainWindowControls& controls);

// Plays row currentSong; with chain play, rows whose file cannot be played are marked and
// skipped. 1 when a song was handed to the library; 0 after the message, or with no row.
int PlaySongAt(const MainWindowControls& controls);

// Command kCommandPlay: plays the focused row (row 0, focused, when none has the focus).
void PlayCommand(const MainWindowControls& controls);

// Plays the focused row; a song that plays is stopped first, and its end report then plays the
// row focused by then.
void PlayFocusedRow(const MainWindowControls& controls);

// Asks the library to stop for the reason; its end report carries the reason out.
void StopFor(int pendingAction);

// Report TE_NOTIFY_END, or TE_NOTIFY_PLAY with 1 when the library refused the song (refused then
// true: auto repeat does not start the list again, so a library that refuses every song ends the
// round).
void EndOfPlayback(const MainWindowControls& controls, bool refused);
