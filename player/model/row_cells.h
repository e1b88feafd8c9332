// The cells of a row of the song-list view: its four columns, their labels, the picture each
// cell shows and the text of the title, time and file-name cells.
#pragma once

#include <optional>
#include <string>

#include "player/model/song_rows.h"

enum SongColumn { kColumnState = 0, kColumnTitle = 1, kColumnTime = 2, kColumnFileName = 3 };
constexpr int kSongColumns = 4;

// The view's pictures, numbered as the rows use them.
enum RowPicture {
    kPictureNormal = 0,
    kPicturePlaying = 1,
    kPictureTitleMark = 2,
    kPictureFailed = 3,
};

// The picture of a row's state cell for its mark.
int MarkPicture(RowMark mark);
// The picture of a cell: the mark in the state cell, the title mark beside the title; -1 for the
// cells without one.
int CellPicture(const SongRow& row, int column);

// The text of a cell: the title; the play time as minutes:seconds; the path decoded as its bytes
// tell (every byte stays readable, never a replacement character). None for the state cell and
// columns that are not there.
std::optional<std::u16string> CellText(const SongRow& row, int column);

// The column's label in the view's header; nullptr for a column that is not there.
const char16_t* ColumnLabel(int column);
