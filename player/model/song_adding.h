// Adding MIDI files to the shown song list: the files chosen in the file dialog or dropped onto
// the list. They are pre-scanned aside; those that play become rows at the end, the others are
// named in one message.
#pragma once

#include <string>
#include <vector>

#include "player/model/folder_entries.h"
#include "player/model/song_list_changes.h"
#include "player/model/song_scan.h"

// The lists, the rows, the dialogs and the scan that adding songs reaches.
struct SongAdding {
    SongListIndex& index;
    SongListChanges& changes;
    SongRowsView& rows;
    SongListDialogs& dialogs;
    ScanRunner aside;
    bool japaneseUi;
};

// Appends the chosen files (in display order; folders are passed over) as songs to the rows,
// each pre-scanned for its play time and title. With toNewList, or when no list is current, a
// new list is made first and the rows are emptied. The files that cannot be added are named
// together in one message. 1 when the rows changed or only folders were chosen (the caller then
// saves the list); 0 when the new list was not made, the current one may not be changed (after
// its message), nothing was chosen (after a message) or no chosen file could be added.
int AddMidiFiles(const SongAdding& adding, const std::vector<const FolderEntry*>& chosen,
                 bool toNewList);

// Appends the files (dropped onto the list) as AddMidiFiles does, to the current list (a new
// one is made when none is current); 1 when the rows changed or no file failed, the caller then
// saves the list; 0 when the list may not be changed (after its message), no list was made, or
// no file could be added.
int AddMidiPaths(const SongAdding& adding, const std::vector<std::string>& paths);
