#include "player/model/window_commands.h"

#include "library/tesalo.h"
#include "player/model/pause_seek.h"
#include "player/model/play_control.h"
#include "player/model/player_state.h"
#include "player/model/row_commands.h"

namespace {

// While a song plays the window waits for the library's end report before it closes.
void CloseCommand(const PlayContext& play, CommandWindow& window) {
    if (g_player.isPlaying == 1) return StopFor(play.library, kPendingClose);
    window.Close();
}

// Play starts the focused row; while a song is paused it resumes it (or plays the focused row
// instead of it), while one plays it does nothing.
void PlayButtonCommand(const PlayContext& play) {
    if (g_player.isPlaying != 1) return PlayCommand(play);
    if (g_player.isPaused) PlayFocusedRow(play);
}

// Pause and seek, from the keys and the desktop.
void PlaybackCommand(const PlayContext& play, int id, std::intptr_t value) {
    if (id == kCommandPause) return PauseCommand(play);
    if (id == kCommandSeekTo) return SeekCommand(play.library, value);
    SeekCommand(play.library, SeekBase() + value);
}

// Previous and Next: while a song plays they end it for the row before or after it; while idle
// the focus moves.
void StepCommand(const PlayContext& play, int id) {
    if (g_player.isPlaying == 1) return StopFor(play.library, id);
    MoveSelection(play.list, id == kCommandPrevious ? -1 : 1);
}

// The commands that change the rows of the shown list, which is saved after them.
void EditCommand(const PlayContext& play, CommandWindow& window, int id) {
    if (!window.SongListEditable()) return;
    if (id == kCommandDeleteRows) {
        if (DeleteSelectedRows(play.list)) window.SaveSongList();
        return;
    }
    MoveSelectedRows(play.list, id == kCommandMoveUp ? -1 : 1);
    window.SaveSongList();
}

// The window's dialogs and menus; true when the focus goes back to the list view.
bool DialogCommand(CommandWindow& window, int id) {
    switch (id) {
        case kCommandAddFiles:
            if (window.RunFileDialog()) window.SaveSongList();
            break;
        case kCommandSongListMenu: window.RunSongListMenu(); break;
        case kCommandVolume: window.RunVolumePanel(); break;
        case kCommandSettings: window.RunSettingsDialog(); break;
        case kCommandNewSongList: return window.NewSongList();
        case kCommandRenameSongList: return window.RenameSongList();
        case kCommandDeleteSongList: window.DeleteSongList(); break;
        default: break;
    }
    return true;
}

// Every command but Enter and Escape; true when the focus goes back to the list view.
bool HandleCommand(const PlayContext& play, CommandWindow& window, int id, std::intptr_t value) {
    switch (id) {
        case kCommandPlay: PlayButtonCommand(play); break;
        case kCommandPause:
        case kCommandSeekBy:
        case kCommandSeekTo: PlaybackCommand(play, id, value); break;
        case kCommandStop: StopFor(play.library, kPendingStop); break;
        case kCommandPrevious:
        case kCommandNext: StepCommand(play, id); break;
        case kCommandDeleteRows:
        case kCommandMoveUp:
        case kCommandMoveDown: EditCommand(play, window, id); break;
        case kCommandCloseButton: play.window.PostClose(); break;
        default: return DialogCommand(window, id);
    }
    return true;
}

}  // namespace

void RunCommand(const PlayContext& play, CommandWindow& window, int id, std::intptr_t value) {
    if (id == kCommandPlayOrStop)
        return RunCommand(play, window, g_player.isPlaying == 1 ? kCommandStop : kCommandPlay);
    if (id == kCommandClose) return CloseCommand(play, window);
    if (HandleCommand(play, window, id, value)) window.FocusList();
}

void HandleReport(const PlayContext& play, CommandWindow& window, std::uintptr_t code,
                  std::intptr_t value) {
    switch (code) {
        case TE_NOTIFY_PLAY:
            g_player.playReportDue = false;
            if (value == 1 && g_player.isPlaying == 1) EndOfPlayback(play, true);
            break;
        case TE_NOTIFY_POLYPHONY:
        case TE_NOTIFY_LOAD: window.DrawReport(code, value); break;
        case TE_NOTIFY_DURATION:
            window.DrawReport(code, value);
            g_player.elapsedMs += static_cast<int>(value);
            break;
        case TE_NOTIFY_END:
            if (g_player.isPlaying == 1 && !g_player.playReportDue) EndOfPlayback(play, false);
            break;
        default: break;
    }
}
