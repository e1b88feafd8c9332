// The main window's procedure without its widgets: which logic a command of the user runs, and
// what a report of the library changes. The state is g_player's; the dialogs, the menu, the
// status panel and the window's own end go through CommandWindow.
#pragma once

#include <cstdint>

#include "player/model/play_context.h"

// What the window's commands reach beyond the play logic.
class CommandWindow {
public:
    virtual ~CommandWindow() = default;

    // The MIDI file selection dialog; true when it added rows (the list is then saved).
    virtual bool RunFileDialog() = 0;
    virtual void RunVolumePanel() = 0;
    virtual void RunSettingsDialog() = 0;
    // The song-list menu below its button; the chosen entry runs as a command.
    virtual void RunSongListMenu() = 0;
    // The song-list menu's entries; true when a list was made or renamed.
    virtual bool NewSongList() = 0;
    virtual bool RenameSongList() = 0;
    virtual void DeleteSongList() = 0;
    // True when the rows of the shown list may change; false after a message.
    virtual bool SongListEditable() = 0;
    // Writes the shown list's file from its rows.
    virtual void SaveSongList() = 0;
    // The focus goes back to the list view.
    virtual void FocusList() = 0;
    // Shows a report of the library (polyphony, load, a block's duration) on the status panel.
    virtual void DrawReport(std::uintptr_t code, std::intptr_t value) = 0;
    // Keeps what the window keeps (the shown list's rows, the column widths) and closes it.
    virtual void Close() = 0;
};

// A command id (CommandId): Enter, Escape, a button's, a menu entry's, a key's, the desktop's;
// value: what the command carries (the milliseconds of a seek). Close while a song plays stops
// it first: the window closes at its end report. Every other command but the song-list menu's
// New and Rename when cancelled gives the focus back to the list view.
void RunCommand(const PlayContext& play, CommandWindow& window, int id, std::intptr_t value = 0);

// A report of the library: code (TE_NOTIFY_*) and value. An end that comes before the new
// song's start report is the song before's, and is passed over.
void HandleReport(const PlayContext& play, CommandWindow& window, std::uintptr_t code,
                  std::intptr_t value);
