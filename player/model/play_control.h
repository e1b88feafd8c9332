// Playing the rows of the shown list: Play, a row at a time with chain play over rows that
// cannot be played, and what happens when the library reports the end of a song. The state is
// g_player's, the play mode g_settings'.
#pragma once

#include "player/model/play_context.h"

// Plays row currentSong; with chain play, rows whose file cannot be played are marked and
// skipped. 1 when a song was handed to the library; 0 after the message, or with no row.
int PlaySongAt(const PlayContext& context);

// Command kCommandPlay: plays the focused row (row 0, focused, when none has the focus).
void PlayCommand(const PlayContext& context);

// Plays the focused row; a song that plays is stopped first, and its end report then plays the
// row focused by then.
void PlayFocusedRow(const PlayContext& context);

// Asks the library to stop for the reason; its end report carries the reason out.
void StopFor(PlayLibrary& library, int pendingAction);

// Report TE_NOTIFY_END, or TE_NOTIFY_PLAY with 1 when the library refused the song (refused then
// true: auto repeat does not start the list again, so a library that refuses every song ends the
// round).
void EndOfPlayback(const PlayContext& context, bool refused);
