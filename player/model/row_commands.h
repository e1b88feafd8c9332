// Editing the rows of the shown list while the user works on a song list: moving the focus,
// deleting rows, moving a block of rows and following rows dragged elsewhere. The playing row is
// g_player's.
#pragma once

#include <vector>

#include "player/model/list_screen.h"

// Commands kCommandPrevious / kCommandNext while idle: the focus and selection move one row (step
// -1 or +1).
void MoveSelection(ListScreen& list, int step);

// Deletes the selected rows, keeping currentSong on the playing song. 0 (and nothing deleted)
// when the playing row is among them, after the message.
int DeleteSelectedRows(ListScreen& list);

// Moves the selected rows one place up (step -1) or down (+1), each block as a whole, keeping
// their order; nothing moves when a selected row is already at that end.
void MoveSelectedRows(ListScreen& list, int step);

// Rows were dragged to a new place (places: the new place of every row by its old place): the
// current song follows its row.
void FollowDraggedRows(const std::vector<int>& places);
