#include "player/model/media_requests.h"

#include <algorithm>
#include <limits>

#include "player/resources/window_ids.h"

namespace {

std::optional<int> When(bool allowed, int command) {
    return allowed ? std::optional<int>(command) : std::nullopt;
}

int ClampedMs(std::int64_t us) {
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(us / 1000, -kMax, kMax));
}

}  // namespace

std::optional<int> CommandFor(MediaRequest request, const MediaState& state) {
    if (state.busy) return std::nullopt;
    const bool idle = state.status == PlaybackStatus::kStopped;
    const bool paused = state.status == PlaybackStatus::kPaused;
    switch (request) {
        case MediaRequest::kPlay:
            if (idle) return When(state.canPlay, kCommandPlay);
            return When(paused, kCommandPause);
        case MediaRequest::kPause:
            return When(state.status == PlaybackStatus::kPlaying, kCommandPause);
        case MediaRequest::kPlayPause:
            return idle ? When(state.canPlay, kCommandPlay) : kCommandPause;
        case MediaRequest::kStop: return When(!idle, kCommandStop);
        case MediaRequest::kNext: return When(state.canGoNext, kCommandNext);
        case MediaRequest::kPrevious: return When(state.canGoPrevious, kCommandPrevious);
    }
    return std::nullopt;
}

std::optional<int> SeekByMs(std::int64_t offsetUs, const MediaState& state) {
    if (state.busy || state.status == PlaybackStatus::kStopped) return std::nullopt;
    return ClampedMs(offsetUs);
}

std::optional<int> SeekToMs(const std::string& track, std::int64_t positionUs,
                            const MediaState& state) {
    if (state.busy || state.status == PlaybackStatus::kStopped || track != TrackPath(state.row) ||
        positionUs < 0)
        return std::nullopt;
    if (state.seconds > 0 && positionUs > static_cast<std::int64_t>(state.seconds) * 1'000'000)
        return std::nullopt;
    return ClampedMs(positionUs);
}
