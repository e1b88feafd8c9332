// The song lists of the player, each in a file "snglst%03d.lst" (any "*.lst") of the
// ProgramDirectory, entered into songLists at start-up and shown one at a time in the list view.
// Their files and records are player/model/song_list_storage, the rules of showing and saving
// them player/model/song_list_index; here they meet the combo box and the list view.
#pragma once

#include <string>

#include "player/model/song_list_index.h"
#include "player/model/song_list_storage.h"

class QTreeView;

// The player's song lists: songLists with their records, which list is shown and saved.
SongListIndex& PlayerSongLists();

// The record of the current list (the combo box's selection), nullptr when none.
SongListRecord* CurrentSongListRecord();

// Fills songLists from the "*.lst" files of the ProgramDirectory (the shipped lists first when
// it holds none) and selects the first list in the combo box's order.
void LoadSongListIndex();

// Selects the list kept in the file of that name; the selection stays when no list has it.
void SelectSongListFile(const char16_t* fileName);

// The current list's file name into g_windowMemory, written at exit; none leaves what was read.
void KeepShownSongList();

// Gives record the first name "snglst%03d.lst" that neither a file nor another list holds.
void AssignSongListFileName(SongListRecord* record);

// Refills the list view from the current list's file, then focuses and selects row 0.
// 0 when there is no current list (the rows stay) or its file cannot be read (the view is empty).
// A file that exists but cannot be read whole, or holds no song list, is named in a message and
// is never written over. A change the shown list could not save is saved first; when that
// fails again the shown list stays (selected again) and the result is 0.
int ShowSongList(QTreeView* listView);

// 1 when the rows of the current list may be changed; 0, after a message, when its file could
// not be read (it is never written over).
int SongListEditable();

// Writes the current list's file whole from the rows of the list view. 0 when there is no
// current list, its file could not be read, or the file cannot be written: the old file then
// stays as it was, the rows keep the change, and the first failure is told in a message.
int SaveSongList(const QTreeView* listView);

// Writes the shown list again when a change of its rows has not reached its file yet (an
// earlier save failed); 1 when nothing is left unsaved. The player calls it before it ends: a
// failure is told only when tellFailure (a window that ends by a signal shows no message).
int SaveUnsavedSongList(const QTreeView* listView, bool tellFailure = false);

// The record goes (its list is deleted): nothing of it is shown or saved any more.
void ForgetShownSongList(const SongListRecord* record);
