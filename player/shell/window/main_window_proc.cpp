#include "player/shell/window/main_window_proc.h"

#include <functional>

#include <QAbstractButton>
#include <QDialog>
#include <QMenu>
#include <QTreeView>

#include "library/tesalo.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_flows.h"
#include "player/shell/status/status_resources.h"
#include "player/shell/window/midi_file_dialog.h"
#include "player/shell/window/pause_seek.h"
#include "player/shell/window/play_control.h"
#include "player/shell/window/row_commands.h"
#include "player/shell/window/settings_dialog.h"
#include "player/shell/window/status_reports.h"
#include "player/shell/window/volume_panel.h"

namespace {

// While a song plays the window waits for the library's end report before it closes.
void CloseCommand(const MainWindowControls& controls) {
    if (g_player.isPlaying == 1) return StopFor(kPendingClose);
    SaveUnsavedSongList(controls.listView, true);  // the user is told here, while the window is up
    KeepColumnWidths(controls.listView);
    ReleaseStatusResources(*controls.status);
    controls.window->done(0);
}

// The menu hangs below its button, right edges aligned; the chosen entry is a command.
void SongListMenu(const MainWindowControls& controls) {
    QAbstractButton* button = ControlButton(controls, kCommandSongListMenu);
    QMenu* menu = controls.songListMenu;
    const QPoint corner(button->width() - menu->sizeHint().width(), button->height());
    QAction* chosen = menu->exec(button->mapToGlobal(corner));
    if (chosen != nullptr) RunCommand(controls, chosen->data().toInt());
}

// A dialog from the main window runs without owner; the window is disabled meanwhile and comes
// to the front again afterwards.
int RunModalDialog(const MainWindowControls& controls, const std::function<int()>& dialog) {
    QDialog* window = controls.window;
    window->setEnabled(false);
    const int result = dialog();
    window->setEnabled(true);
    window->raise();
    window->activateWindow();
    return result;
}

// The step of the previous or next command.
int Step(int id) { return id == kCommandPrevious ? -1 : 1; }

// Play starts the focused row; while a song is paused it resumes it (or plays the focused row
// instead of it), while one plays it does nothing.
void PlayButtonCommand(const MainWindowControls& controls) {
    if (g_player.isPlaying != 1) return PlayCommand(controls);
    if (g_player.isPaused) PlayFocusedRow(controls);
}

// Pause and seek, from the keys and the desktop; value: lParam of the command.
void PlaybackCommand(const MainWindowControls& controls, int id, std::intptr_t value) {
    if (id == kCommandPause) return PauseCommand(controls);
    if (id == kCommandSeekTo) return SeekCommand(value);
    SeekCommand(SeekBase() + value);
}

// Every command but the few that keep the focus where it is; true when the focus goes back to
// the list view.
bool HandleCommand(const MainWindowControls& controls, int id, std::intptr_t value) {
    QTreeView* view = controls.listView;
    switch (id) {
        case kCommandPlay: PlayButtonCommand(controls); break;
        case kCommandPause:
        case kCommandSeekBy:
        case kCommandSeekTo: PlaybackCommand(controls, id, value); break;
        case kCommandStop: StopFor(kPendingStop); break;
        case kCommandPrevious:
        case kCommandNext:
            if (g_player.isPlaying == 1)
                StopFor(id);
            else
                MoveSelection(view, Step(id));
            break;
        case kCommandAddFiles:
            if (RunModalDialog(controls,
                               [view] { return MidiFileDialog(view, g_player.japaneseUi); }) == 1) {
                SaveSongList(view);
            }
            break;
        case kCommandDeleteRows:
            if (SongListEditable() && DeleteSelectedRows(view)) SaveSongList(view);
            break;
        case kCommandMoveUp:
            if (SongListEditable()) {
                MoveSelectedRows(view, -1);
                SaveSongList(view);
            }
            break;
        case kCommandMoveDown:
            if (SongListEditable()) {
                MoveSelectedRows(view, 1);
                SaveSongList(view);
            }
            break;
        case kCommandCloseButton:
            platform::PostWindowMessage(controls.bridge, kMsgCommand, kCommandClose, 0);
            break;
        case kCommandSongListMenu: SongListMenu(controls); break;
        case kCommandVolume: RunModalDialog(controls, [] { return VolumePanel(); }); break;
        case kCommandSettings:
            RunModalDialog(controls, [] { return SettingsDialog(g_player.japaneseUi); });
            break;
        case kCommandNewSongList: return CreateSongList(view, g_player.japaneseUi) == 1;
        case kCommandRenameSongList: return RenameSongList(view, g_player.japaneseUi) == 1;
        case kCommandDeleteSongList: DeleteSongList(view, g_player.japaneseUi); break;
        default: break;
    }
    return true;
}

}  // namespace

void KeepColumnWidths(const QTreeView* listView) {
    g_settings.colTitle = listView->columnWidth(1);
    g_settings.colTime = listView->columnWidth(2);
}

void RunCommand(const MainWindowControls& controls, int id, std::intptr_t value) {
    if (id == kCommandPlayOrStop)
        return RunCommand(controls, g_player.isPlaying == 1 ? kCommandStop : kCommandPlay);
    if (id == kCommandClose) return CloseCommand(controls);
    if (HandleCommand(controls, id, value)) controls.listView->setFocus();
}

void HandleReport(const MainWindowControls& controls, std::uintptr_t code, std::intptr_t value) {
    switch (code) {
        case TE_NOTIFY_PLAY:
            g_player.playReportDue = false;
            if (value == 1 && g_player.isPlaying == 1) EndOfPlayback(controls, true);
            break;
        case TE_NOTIFY_POLYPHONY:
        case TE_NOTIFY_LOAD: DrawStatusReport(controls, code, value); break;
        case TE_NOTIFY_DURATION:
            DrawStatusReport(controls, code, value);
            g_player.elapsedMs += static_cast<int>(value);
            break;
        case TE_NOTIFY_END:
            // An end that comes before the new song's start report is the song before's.
            if (g_player.isPlaying == 1 && !g_player.playReportDue) EndOfPlayback(controls, false);
            break;
        default: break;
    }
}
