// The MIDI file selection dialog (template 139 with Japanese texts, 162 with English ones): the
// player's own file chooser, which adds the chosen MIDI files to a song list.
#pragma once

#include "player/model/file_chooser.h"  // g_midiFileFolder, the folder the dialog opens in

class QTreeView;

// Runs the dialog modally without owner window; listView is the main window's song list view.
// 1 when files were added (the caller saves the list), 0 when cancelled.
int MidiFileDialog(QTreeView* listView, bool japaneseUi);
