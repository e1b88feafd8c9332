#include "player/model/song_rows.h"

#include <algorithm>
#include <numeric>

namespace {

// The highest play time a list file reads back: what the handheld's "%d" could hold.
constexpr std::uint32_t kMaxSeconds = 0x7FFFFFFF;

SongRow RowOf(const SongListSong& song) { return {song.title, song.path, song.seconds}; }

// The block of flagged rows that starts at first: one past its last row.
std::size_t BlockEnd(const RowFlags& chosen, std::size_t first) {
    std::size_t end = first;
    while (end < chosen.size() && chosen[end]) ++end;
    return end;
}

// The rows [first, end) rotated by one: the row before a block moving up goes behind it, the
// row after a block moving down goes before it.
void RotateBlock(std::vector<int>& places, std::size_t first, std::size_t end, int step) {
    auto begin = places.begin() + static_cast<std::ptrdiff_t>(first);
    auto stop = places.begin() + static_cast<std::ptrdiff_t>(end);
    if (step < 0)
        std::rotate(begin, begin + 1, stop);
    else
        std::rotate(begin, stop - 1, stop);
}

// The old place of every row after the move, by its new place.
std::vector<int> MovedOrder(const RowFlags& chosen, int step) {
    std::vector<int> order(chosen.size());
    std::iota(order.begin(), order.end(), 0);
    for (std::size_t row = 0; row < chosen.size(); ++row) {
        if (!chosen[row]) continue;
        const std::size_t end = BlockEnd(chosen, row);
        if (step < 0)
            RotateBlock(order, row - 1, end, step);
        else
            RotateBlock(order, row, end + 1, step);
        row = end;
    }
    return order;
}

// The old place of every row after the chosen ones moved before row target, by its new place:
// the rows before target, the chosen ones, the rest.
std::vector<int> DraggedOrder(const RowFlags& chosen, std::size_t target) {
    std::vector<int> order;
    order.reserve(chosen.size());
    for (std::size_t row = 0; row < target; ++row) {
        if (!chosen[row]) order.push_back(static_cast<int>(row));
    }
    for (std::size_t row = 0; row < chosen.size(); ++row) {
        if (chosen[row]) order.push_back(static_cast<int>(row));
    }
    for (std::size_t row = target; row < chosen.size(); ++row) {
        if (!chosen[row]) order.push_back(static_cast<int>(row));
    }
    return order;
}

}  // namespace

void SongRows::Assign(const std::vector<SongListSong>& songs) {
    rows_.clear();
    Append(songs);
}

void SongRows::Append(const std::vector<SongListSong>& songs) {
    // Grown as push_back grows it: rows added one at a time cost no copy of the rows each.
    for (const SongListSong& song : songs) rows_.push_back(RowOf(song));
}

std::vector<SongListSong> SongRows::Songs() const {
    std::vector<SongListSong> songs;
    songs.reserve(rows_.size());
    for (const SongRow& row : rows_) {
        songs.push_back({std::min(row.seconds, kMaxSeconds), row.path, row.title});
    }
    return songs;
}

void SongRows::SetMark(int row, RowMark mark) {
    if (Holds(row)) rows_[static_cast<std::size_t>(row)].mark = mark;
}

void SongRows::ResetMarks() {
    for (SongRow& row : rows_) row.mark = RowMark::kNormal;
}

void SongRows::Remove(const RowFlags& chosen) {
    std::size_t kept = 0;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (row < chosen.size() && chosen[row]) continue;
        if (kept != row) rows_[kept] = std::move(rows_[row]);
        ++kept;
    }
    rows_.resize(kept);
}

void SongRows::RemoveRange(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    if (first > last) return;
    rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
}

std::vector<int> SongRows::MoveBlocks(RowFlags& chosen, int step) {
    chosen.resize(rows_.size());
    const bool any = std::any_of(chosen.begin(), chosen.end(), [](char flag) { return flag != 0; });
    if (!any || (step < 0 ? chosen.front() : chosen.back())) return {};
    return Reorder(MovedOrder(chosen, step), chosen);
}

std::vector<int> SongRows::MoveTo(RowFlags& chosen, int target) {
    chosen.resize(rows_.size());
    const std::size_t place =
        target < 0 ? rows_.size() : std::min(static_cast<std::size_t>(target), rows_.size());
    return Reorder(DraggedOrder(chosen, place), chosen);
}

std::vector<int> SongRows::Reorder(const std::vector<int>& order, RowFlags& chosen) {
    if (std::is_sorted(order.begin(), order.end())) return {};
    std::vector<SongRow> moved(rows_.size());
    RowFlags flags(rows_.size());
    std::vector<int> places(rows_.size());
    for (std::size_t place = 0; place < order.size(); ++place) {
        const auto old = static_cast<std::size_t>(order[place]);
        moved[place] = std::move(rows_[old]);
        flags[place] = chosen[old];
        places[old] = static_cast<int>(place);
    }
    rows_ = std::move(moved);
    chosen = std::move(flags);
    return places;
}

int FocusStepTarget(int focused, int step, int rows) {
    const int target = focused + step;
    if (step < 0 && focused < 1) return -1;
    if (step > 0 && target >= rows) return -1;
    return target;
}
