// Editing the rows of the shown list while the user works on a song list: moving the focus,
// deleting rows and moving a block of rows. The playing row is g_player's.
#pragma once

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
