// Adding MIDI files to the main window's song list, from the MIDI file selection dialog or
// dropped onto the list: the model's song adding (player/model/song_adding.h) over the list view,
// the player's song lists and dialogs, with the scan aside of the window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "player/model/song_adding.h"

class QTreeView;

// Runs add with the list view's rows, the player's song lists and dialogs, in the language of
// the window; its result.
int AddingSongs(QTreeView* listView, bool japaneseUi,
                const std::function<int(const SongAdding&)>& add);

// The model's AddMidiFiles on the list view: 1 when the caller saves the list.
int AddMidiFiles(QTreeView* listView, const std::vector<const FolderEntry*>& chosen, bool toNewList,
                 bool japaneseUi);

// The model's AddMidiPaths on the list view: 1 when the caller saves the list.
int AddMidiPaths(QTreeView* listView, const std::vector<std::string>& paths, bool japaneseUi);
