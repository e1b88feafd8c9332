// The song-list menu of the main window: new list, rename, delete. Each works on the current
// entry of songLists and the list view given to it.
#pragma once

class QTreeView;

// Asks for a name no list has (in any letter case), gives the new list a free file name, makes
// it current and empties the list view; its file is first written by the next SaveSongList.
// 1 when a list was made, 0 when the dialog was cancelled or left empty.
int CreateSongList(QTreeView* listView, bool japaneseUi);

// Makes a list of that title (which no list has) current with a free file name and empties the
// list view; its file is first written by the next SaveSongList. 1, or 0 when it could not be
// entered into songLists or the shown list keeps the view (a change of it cannot be saved).
int AddSongList(QTreeView* listView, const char16_t* title);

// Asks for a new name of the current list (refused when any list has it, the list itself
// included) and writes the file with the new title; the file keeps its name. 1 when renamed,
// 0 when there is no current list or the dialog was cancelled or left empty.
int RenameSongList(QTreeView* listView, bool japaneseUi);

// After the user confirms, deletes the current list and its file and shows the first list left
// (or empties the list view when none is left).
void DeleteSongList(QTreeView* listView, bool japaneseUi);
