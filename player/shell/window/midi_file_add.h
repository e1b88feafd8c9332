// Adding MIDI files to a song list: from the MIDI file selection dialog or dropped onto the
// list, and the shared pre-scan that also serves the files opened from the desktop.
#pragma once

#include <string>
#include <vector>

#include "player/model/folder_entries.h"
#include "player/model/song_list_text.h"

class QTreeView;

// Appends the chosen files (in display order; folders are passed over) as songs to the rows of
// the main window's list view, each pre-scanned for its play time and title. With toNewList,
// or when no list is current, a new list is made first and the rows are emptied. The files that
// cannot be added are named together in one message. 1 when the rows changed or only folders
// were chosen (the caller then saves the list); 0 when the new list was not made, nothing was
// chosen (after a message) or no chosen file could be added.
int AddMidiFiles(QTreeView* listView, const std::vector<const FolderEntry*>& chosen, bool toNewList,
                 bool japaneseUi);

// Appends the files (dropped onto the list) as AddMidiFiles does, to the current list (a new
// one is made when none is current); 1 when the rows changed or no file failed, the caller
// then saves the list; 0 when the list may not be changed (after its message), no list was
// made, or no file could be added.
int AddMidiPaths(QTreeView* listView, const std::vector<std::string>& paths, bool japaneseUi);

// The songs of the files that can be listed and play for a second or more, in order, each
// pre-scanned (aside, see scan_aside.h) for its play time and title without a message box of its
// own; the paths of the others go to failed (a path with a line break cannot stand in a list, a
// file over 64 MB is no MIDI file and is not read).
std::vector<SongListSong> ScanMidiSongs(const std::vector<std::string>& paths,
                                        std::vector<std::string>* failed);

// The one message that names the files that could not be added.
std::u16string FailedFilesMessage(const std::vector<std::string>& failed, bool japaneseUi);
