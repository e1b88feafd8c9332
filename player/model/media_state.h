// What the desktop's media controls show of the player: a snapshot of its state, and the names
// the media player interface gives the state and the songs.
#pragma once

#include <cstdint>
#include <string>

#include "player/model/play_order.h"
#include "player/model/player_state.h"
#include "player/model/song_rows.h"

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

// "Playing", "Paused" or "Stopped".
const char* StatusName(PlaybackStatus status);

// The track id (an object path) of the song in a row; the "no track" id for -1.
std::string TrackPath(int row);

// The snapshot of a player in the state, with the rows shown and the play mode; busy: a dialog or
// menu is in front of the window.
MediaState MediaStateOf(const PlayerState& player, const SongRows& rows, PlayMode mode,
                        bool busy = false);

// Whether the desktop is told of a seek between two snapshots wallMs apart: the same song plays
// (or is paused) at both, and a seek under way at the first has landed or the position jumped.
bool SeekedBetween(const MediaState& before, const MediaState& after, std::int64_t wallMs);
