// The snapshot of the player that the desktop's media controls show, taken on the GUI thread from
// the player's state record, the play mode and the shown rows.
#pragma once

#include "player/model/media_state.h"
#include "player/model/play_order.h"
#include "player/model/song_rows.h"
#include "player/shell/window/main_window_controls.h"
#include "player/shell/window/player_state.h"

// The snapshot of a player in the state, with the rows shown and the play mode.
MediaState MediaStateOf(const PlayerState& player, const SongRows& rows, PlayMode mode,
                        bool busy = false);

// The snapshot of the running player (g_player, its settings, its list view and what is in
// front of its window).
MediaState TakeMediaState(const MainWindowControls& controls);
