#include "player/model/media_state.h"

#include "player/model/position_jump.h"

namespace {

PlaybackStatus StatusOf(const PlayerState& player) {
    if (player.isPlaying != 1) return PlaybackStatus::kStopped;
    return player.isPaused ? PlaybackStatus::kPaused : PlaybackStatus::kPlaying;
}

// Whether the event, while the song plays, would play a row.
bool Plays(PlayMode mode, PlayEvent event, const MediaState& state, const SongRows& rows) {
    return state.row >= 0 &&
           NextPlayStep(mode, event, state.row, rows.Count()).kind == PlayStep::kTry;
}

}  // namespace

const char* StatusName(PlaybackStatus status) {
    switch (status) {
        case PlaybackStatus::kPlaying: return "Playing";
        case PlaybackStatus::kPaused: return "Paused";
        case PlaybackStatus::kStopped: break;
    }
    return "Stopped";
}

std::string TrackPath(int row) {
    if (row < 0) return "/org/mpris/MediaPlayer2/TrackList/NoTrack";
    return "/org/tesalo/row/" + std::to_string(row);
}

MediaState MediaStateOf(const PlayerState& player, const SongRows& rows, PlayMode mode, bool busy) {
    MediaState state;
    state.status = StatusOf(player);
    state.busy = busy;
    state.canPlay = rows.Count() > 0;
    if (state.status == PlaybackStatus::kStopped) return state;
    state.row = player.currentSong;
    state.positionMs = player.elapsedMs;
    state.seeking = player.pendingAction == kPendingSeek;
    // Another list may be shown since the song started: its rows may be fewer.
    if (rows.Holds(state.row)) {
        const SongRow& song = rows.Row(state.row);
        state.title = song.title;
        state.path = song.path;
        state.seconds = song.seconds;
    }
    state.canGoNext = Plays(mode, PlayEvent::kNext, state, rows);
    state.canGoPrevious = Plays(mode, PlayEvent::kPrevious, state, rows);
    return state;
}

namespace {

bool SameSong(const MediaState& before, const MediaState& after) {
    return before.status != PlaybackStatus::kStopped && after.status != PlaybackStatus::kStopped &&
           before.row == after.row;
}

}  // namespace

bool SeekedBetween(const MediaState& before, const MediaState& after, std::int64_t wallMs) {
    if (!SameSong(before, after)) return false;
    const bool seekLanded = before.seeking && !after.seeking;
    const bool advancing = before.status == PlaybackStatus::kPlaying;
    return seekLanded || PositionJumped(before.positionMs, after.positionMs, wallMs, advancing);
}
