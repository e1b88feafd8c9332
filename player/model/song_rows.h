// The rows of the song list that is shown: each song's title, path, play time and the mark
// its state picture shows. The rows are the working copy of the list; its file is written
// from them. Every operation costs at most one pass over the rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "player/model/song_list_text.h"

// What a row's state picture shows.
enum class RowMark : std::uint8_t { kNormal, kPlaying, kRefused };

struct SongRow {
    std::u16string title;
    std::string path;  // the file's name as the file system gives it, byte for byte
    std::uint32_t seconds = 0;
    RowMark mark = RowMark::kNormal;
};

// One flag per row: the rows a command works on (the selected ones).
using RowFlags = std::vector<char>;

class SongRows {
public:
    int Count() const { return static_cast<int>(rows_.size()); }
    const SongRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    bool Holds(int row) const { return row >= 0 && row < Count(); }

    // The rows become the songs, in their order, every mark normal.
    void Assign(const std::vector<SongListSong>& songs);
    // The songs become rows at the end.
    void Append(const std::vector<SongListSong>& songs);
    // The songs of the rows in their order, as the list's file holds them.
    std::vector<SongListSong> Songs() const;

    // Sets one row's mark; a row that is not there is passed over.
    void SetMark(int row, RowMark mark);
    void ResetMarks();

    // Deletes the flagged rows, in one pass.
    void Remove(const RowFlags& chosen);
    // Deletes the rows first to last; rows that are not there are passed over.
    void RemoveRange(int first, int last);
    // Moves the flagged rows one place up (step -1) or down (+1), each block of them as a whole,
    // keeping their order; nothing moves when a flagged row is already at that end. The new
    // place of every row, by its old place (the flags move with their rows); empty when nothing
    // moved.
    std::vector<int> MoveBlocks(RowFlags& chosen, int step);
    // Moves the flagged rows, in their order, to stand together before row target (the rows'
    // count, -1 or more: after the last), in one pass. The new place of every row, by its old
    // place (the flags move with their rows); empty when nothing moved.
    std::vector<int> MoveTo(RowFlags& chosen, int target);

private:
    // The rows in the order given (the old place of every row, by its new place), the flags
    // with them; the new place of every row by its old place, empty when the order is the same.
    std::vector<int> Reorder(const std::vector<int>& order, RowFlags& chosen);

    std::vector<SongRow> rows_;
};

// The row the focus moves to by one step (-1 or +1) from the focused row (-1: none); -1 when
// it stays: before the first row, after the last, or up without a focus.
int FocusStepTarget(int focused, int step, int rows);
