#include "player/model/play_order.h"

namespace {

bool Chosen(const RowFlags& chosen, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < chosen.size() &&
           chosen[static_cast<std::size_t>(row)];
}

// After the end of a song: chain play goes on with the next row, auto repeat with row 0 after
// the last, unless the library refused the song (a library that refuses every song would
// otherwise go round for ever).
PlayStep AfterEnd(PlayMode mode, int current, int rows, bool refused) {
    if (!mode.chain) return {PlayStep::kIdle, current};
    const int next = current + 1;
    if (next < rows) return {PlayStep::kTry, next};
    if (mode.repeat && !refused) return {PlayStep::kTry, 0};
    return {PlayStep::kIdle, next};
}

// Previous and next play the neighbour of the row that played; past either end they stop.
PlayStep Neighbour(int current, int rows, int step) {
    const int target = current + step;
    if (rows == 0 || target < 0 || target >= rows) return {PlayStep::kIdle, current};
    return {PlayStep::kTry, target};
}

}  // namespace

PlayStep NextPlayStep(PlayMode mode, PlayEvent event, int current, int rows) {
    switch (event) {
        case PlayEvent::kPlay:
            if (rows == 0) return {PlayStep::kNothing, current};
            return {PlayStep::kTry, current < 0 ? 0 : current};
        case PlayEvent::kPrevious: return Neighbour(current, rows, -1);
        case PlayEvent::kNext: return Neighbour(current, rows, 1);
        case PlayEvent::kSongEnd: return AfterEnd(mode, current, rows, false);
        case PlayEvent::kRefused: return AfterEnd(mode, current, rows, true);
    }
    return {PlayStep::kNothing, current};
}

PlayTry TryRows(PlayMode mode, int from, int rows, const std::function<bool(int)>& start) {
    PlayTry result{false, from, false};
    if (from < 0 || from >= rows) return result;
    for (result.tried = true;; ++result.current) {
        if (start(result.current)) {
            result.started = true;
            return result;
        }
        // Without chain play the failed row stays current; with it, the row past the last does.
        if (!mode.chain || result.current + 1 >= rows) break;
    }
    if (mode.chain) ++result.current;
    return result;
}

bool DeleteKeepsPlayingRow(const SongRows& rows, const RowFlags& chosen, PlayPosition& position) {
    if (position.playing && rows.Holds(position.current) && Chosen(chosen, position.current)) {
        return false;
    }
    if (position.playing) {
        int before = 0;
        for (int row = 0; row < rows.Count(); ++row)
            before += row < position.current && Chosen(chosen, row);
        position.current -= before;
    }
    return true;
}
