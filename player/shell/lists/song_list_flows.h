// The song lists changed from the main window with the player's dialogs: the song-list menu's new
// list, rename and delete, and any change of the model's SongListChanges over the list view.
#pragma once

#include <functional>

#include "player/model/song_list_changes.h"

class QTreeView;

// Runs change over the player's song lists with the list view's rows and the player's dialogs
// (the naming dialog and the message boxes, owned by the list view's window); its result.
int ChangeSongLists(
    QTreeView* listView, bool japaneseUi,
    const std::function<int(SongListChanges&, SongRowsView&, SongListDialogs&)>& change);

// Asks for a name no list has (in any letter case), gives the new list a free file name, makes
// it current and empties the list view; its file is first written by the next SaveSongList.
// 1 when a list was made, 0 when the dialog was cancelled or left empty.
int CreateSongList(QTreeView* listView, bool japaneseUi);

// Asks for a new name of the current list (refused when any list has it, the list itself
// included) and writes the file with the new title; the file keeps its name. 1 when renamed,
// 0 when there is no current list or the dialog was cancelled or left empty.
int RenameSongList(QTreeView* listView, bool japaneseUi);

// After the user confirms, deletes the current list and its file and shows the first list left
// (or empties the list view when none is left).
void DeleteSongList(QTreeView* listView, bool japaneseUi);
