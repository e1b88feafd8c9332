// The rows dragged within the song list as the drag carries them: their numbers in decimal,
// separated by commas ("0,3,4").
#pragma once

#include <string>
#include <string_view>

#include "player/model/song_rows.h"

// The type of the drag's data.
inline constexpr char kDraggedRowsType[] = "application/x-tesalo-song-rows";

// The numbers of the flagged rows, first to last.
std::string EncodeDraggedRows(const RowFlags& chosen);

// One flag per row of a list of rows rows: the ones the text names. A number may have spaces
// around it and a sign; numbers that are no row (too large, negative, not a number) are passed
// over, one named twice counts once. Empty when the text names no row.
RowFlags DecodeDraggedRows(std::string_view text, int rows);
