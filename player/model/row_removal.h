// Where the rows of the shown list stand once the flagged ones are deleted: the new place of
// every row, and where a focus on a deleted row goes.
#pragma once

#include <vector>

#include "player/model/song_rows.h"

// The new place of every row of a list of rows rows, by its old place, once the flagged ones
// are deleted: -1 for a deleted row. Flags past the last row are passed over, rows past the last
// flag are kept. Empty when no row is deleted.
std::vector<int> RemovalPlaces(const RowFlags& chosen, int rows);

// The new place of the row kept nearest to row (places as RemovalPlaces gives them): row itself,
// else the nearest above, else the nearest below; -1 when every row is deleted.
int KeptRowNear(const std::vector<int>& places, int row);

// Whether the rows first to last are all deleted (places as RemovalPlaces gives them); rows
// before the first are passed over, a row past the last counts as kept.
bool AllDeleted(const std::vector<int>& places, int first, int last);
