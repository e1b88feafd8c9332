// Editing the rows of the list view, as the window procedure asks for it: the row commands'
// logic over the view.
#pragma once

class QTreeView;

// Commands kCommandPrevious / kCommandNext while idle: the focus and selection move one row (step
// -1 or +1).
void MoveSelection(QTreeView* listView, int step);

// Deletes the selected rows, keeping currentSong on the playing song. 0 (and nothing deleted)
// when the playing row is among them, after the message.
int DeleteSelectedRows(QTreeView* listView);

// Moves the selected rows one place up (step -1) or down (+1), each block as a whole, keeping
// their order; nothing moves when a selected row is already at that end.
void MoveSelectedRows(QTreeView* listView, int step);
