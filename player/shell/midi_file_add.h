// Adding the files chosen in the MIDI file selection dialog to a song list.
#pragma once

#include <string>
#include <vector>

#include "player/data/song_list_text.h"
#include "player/shell/folder_entries.h"

class QTreeWidget;

// Appends the chosen files (in display order; folders are passed over) as songs to the rows of
// the main window's list view, each pre-scanned for its play time and title. With toNewList,
// or when no list is current, a new list is made first and the rows are emptied. 1 on success;
// 0 when the new list was not made, nothing was chosen (after a message) or a file plays for
// less than a second (the files before it stay appended).
int AddMidiFiles(QTreeWidget* listView, const std::vector<const FolderEntry*>& chosen,
                 bool toNewList, bool japaneseUi);

// Pre-scans the file at path for its play time and title into song; false when it plays for
// less than a second (or cannot be read).
bool ScanMidiSong(const std::string& path, SongListSong* song);

// Appends the scanned song of the file at path to the rows.
void AppendMidiSong(QTreeWidget* listView, const SongListSong& song, const std::string& path);
