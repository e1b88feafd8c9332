#include "player/model/media_state.h"

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
