// What the desktop's media controls show of the player: a snapshot of its state, taken on the
// GUI thread from the player's state record, the play mode and the shown rows.
#pragma once

#include <cstdint>
#include <string>

#include "player/model/play_order.h"
#include "player/model/song_rows.h"
#include "player/shell/window/main_window_controls.h"
#include "player/shell/window/player_state.h"

enum class PlaybackStatus { kStopped, kPlaying, kPaused };

struct MediaState {
    PlaybackStatus status = PlaybackStatus::kStopped;
    int row = -1;          // the playing (or paused) song's row; -1 when none plays
    std::u16string title;  // the song's row, when the shown list has it
    std::string path;
    std::uint32_t seconds = 0;
    int positionMs = 0;    // the song's play time so far
    bool seeking = false;  // a seek's stop is under way: the song then plays on from elsewhere
    bool canPlay = false;
    bool canGoNext = false;  // Next would play another row
    bool canGoPrevious = false;
    // A dialog or menu is in front of the window: as the window's buttons and keys, the desktop's
    // requests are not taken meanwhile.
    bool busy = false;
    bool operator==(const MediaState&) const = default;
};

// The snapshot of a player in the state, with the rows shown and the play mode.
MediaState MediaStateOf(const PlayerState& player, const SongRows& rows, PlayMode mode,
                        bool busy = false);

// The snapshot of the running player (g_player, its settings, its list view and what is in
// front of its window).
MediaState TakeMediaState(const MainWindowControls& controls);
