#include "player/shell/window/play_control.h"

#include <cstdint>
#include <string>

#include <QDialog>
#include <QTreeView>

#include "library/tesalo.h"
#include "midi/smf_image.h"
#include "player/model/library_activity.h"
#include "player/model/play_order.h"
#include "player/model/settings.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/window/pause_seek.h"
#include "player/shell/window/player_state.h"
#include "player/shell/window/window_buttons.h"

namespace {

constexpr int kCellTextLimit = 260;

PlayMode SettingsPlayMode() { return {g_settings.bChainPlay == 1, g_settings.bAutoRepeat == 1}; }

QString TitleText(const MainWindowControls& controls, int row) {
    return QString::fromStdU16String(ShownRows(controls.listView)->Rows().Row(row).title)
        .left(kCellTextLimit);
}

// Reads, prepares and hands the row's song to the library; false when the file is unusable.
bool StartRow(const MainWindowControls& controls, int row) {
    const std::string path = RowPath(controls.listView, row);
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(path, &image, &size)) return false;
    if (PrepareSmfImage(&image, &size) == -1) {
        FreeFileImage(image);
        return false;
    }
    ReleasePause();
    TeDataSet(image, static_cast<std::int32_t>(size));
    FreeFileImage(image);
    g_player.elapsedMs = 0;
    g_player.playReportDue = true;
    NoteSongStarting();
    TePlay();
    g_player.isPlaying = 1;
    ShownRows(controls.listView)->SetMark(row, RowMark::kPlaying);
    return true;
}

// One row tried: the caption names it, and a row whose file cannot be played is marked.
bool TryRow(const MainWindowControls& controls, int row) {
    controls.window->setWindowTitle(TitleText(controls, row));
    if (StartRow(controls, row)) return true;
    ShownRows(controls.listView)->SetMark(row, RowMark::kRefused);
    return false;
}

}  // namespace

void ResetRowMarks(const MainWindowControls& controls) {
    ShownRows(controls.listView)->ResetMarks();
}

int PlaySongAt(const MainWindowControls& controls) {
    const PlayTry result =
        TryRows(SettingsPlayMode(), g_player.currentSong, RowCount(controls.listView),
                [&controls](int row) { return TryRow(controls, row); });
    g_player.currentSong = result.current;
    if (result.started) return 1;
    if (result.tried) ShowPlayerMessage(u"SMFファイルの読み込みに失敗しました");
    return 0;
}

void PlayCommand(const MainWindowControls& controls) {
    QTreeView* view = controls.listView;
    const int focused = FocusedRow(view);
    const PlayStep step =
        NextPlayStep(SettingsPlayMode(), PlayEvent::kPlay, focused, RowCount(view));
    if (step.kind != PlayStep::kTry) return;
    ResetRowMarks(controls);
    // Focused, not selected: the selection is the user's.
    if (focused < 0) FocusRow(view, step.row, false);
    g_player.currentSong = step.row;
    if (PlaySongAt(controls)) SetPlayingButtons(controls);
}

void PlayFocusedRow(const MainWindowControls& controls) {
    if (g_player.isPlaying != 1) return PlayCommand(controls);
    const int focused = FocusedRow(controls.listView);
    if (g_player.isPaused && (focused < 0 || focused == g_player.currentSong)) {
        return ResumeSong(controls);
    }
    StopFor(kPendingOpen);
}

void StopFor(int pendingAction) {
    g_player.pendingAction = pendingAction;
    TeStop();
}

namespace {

// Previous and next move the focus and the selection to the row they play.
void PlayNeighbour(const MainWindowControls& controls, int target) {
    QTreeView* view = controls.listView;
    // Another list may be shown since the song started: its rows may be fewer.
    if (ShownRows(view)->Rows().Holds(g_player.currentSong))
        DeselectRow(view, g_player.currentSong);
    FocusRow(view, target, true);
    PlayCommand(controls);
}

void BackToIdle(const MainWindowControls& controls) {
    ReleasePause();
    g_player.isPlaying = 0;
    ResetRowMarks(controls);
    SetIdleButtons(controls);
}

// The song ended by itself (or was refused): the play order gives the row that plays next.
void ContinueChain(const MainWindowControls& controls, bool refused) {
    const PlayEvent event = refused ? PlayEvent::kRefused : PlayEvent::kSongEnd;
    const PlayStep step =
        NextPlayStep(SettingsPlayMode(), event, g_player.currentSong, RowCount(controls.listView));
    g_player.isPlaying = 0;
    g_player.currentSong = step.row;
    if (step.kind == PlayStep::kTry) {
        ResetRowMarks(controls);
        PlaySongAt(controls);
    }
    if (g_player.isPlaying != 1) BackToIdle(controls);
}

}  // namespace

void EndOfPlayback(const MainWindowControls& controls, bool refused) {
    const int action = g_player.pendingAction;
    g_player.pendingAction = kPendingNone;
    if (action == kPendingClose) {
        ReleasePause();
        g_player.isPlaying = 0;
        platform::PostWindowMessage(controls.bridge, kMsgCommand, kCommandClose, 0);
    } else if (action == kPendingSeek && !refused) {
        PlayOnFromSeek();
    } else if (action == kPendingStop) {
        BackToIdle(controls);
    } else if (action == kPendingOpen) {
        g_player.isPlaying = 0;
        PlayCommand(controls);  // the focus is on the first opened file
        if (g_player.isPlaying != 1) BackToIdle(controls);
    } else if (action == kPendingPrevious || action == kPendingNext) {
        const PlayEvent event =
            action == kPendingPrevious ? PlayEvent::kPrevious : PlayEvent::kNext;
        const PlayStep step = NextPlayStep(SettingsPlayMode(), event, g_player.currentSong,
                                           RowCount(controls.listView));
        if (step.kind != PlayStep::kTry) return BackToIdle(controls);
        g_player.isPlaying = 0;
        PlayNeighbour(controls, step.row);
        if (g_player.isPlaying != 1) BackToIdle(controls);
    } else {
        ContinueChain(controls, refused);
    }
}
