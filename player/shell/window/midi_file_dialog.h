// The MIDI file selection dialog (template 139 with Japanese texts, 162 with English ones): the
// player's own file chooser, which adds the chosen MIDI files to a song list.
#pragma once

#include <string>

class QTreeView;

// The folder the dialog opens in: the one it showed last during this run (empty before the
// first opening, then the user's home folder is taken).
extern std::string g_midiFileFolder;

// Runs the dialog modally without owner window; listView is the main window's song list view.
// 1 when files were added (the caller saves the list), 0 when cancelled.
int MidiFileDialog(QTreeView* listView, bool japaneseUi);
