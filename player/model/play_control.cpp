#include "player/model/play_control.h"

#include <string>

#include "player/model/pause_seek.h"
#include "player/model/play_buttons.h"
#include "player/model/play_order.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"

namespace {

// The longest caption a row's title gives, in UTF-16 units.
constexpr std::size_t kCellTextLimit = 260;

PlayMode SettingsPlayMode() { return {g_settings.bChainPlay == 1, g_settings.bAutoRepeat == 1}; }

int RowCount(const PlayContext& context) { return context.list.Rows().Count(); }

// Reads, prepares and hands the row's song to the library; false when the file is unusable.
bool StartRow(const PlayContext& context, int row) {
    if (!context.library.LoadSong(context.list.Rows().Row(row).path)) return false;
    ReleasePause(context.library);
    context.library.HandOverSong();
    g_player.elapsedMs = 0;
    g_player.playReportDue = true;
    context.library.Play();
    g_player.isPlaying = 1;
    context.list.SetMark(row, RowMark::kPlaying);
    return true;
}

// One row tried: the caption names it, and a row whose file cannot be played is marked.
bool TryRow(const PlayContext& context, int row) {
    context.window.SetCaption(context.list.Rows().Row(row).title.substr(0, kCellTextLimit));
    if (StartRow(context, row)) return true;
    context.list.SetMark(row, RowMark::kRefused);
    return false;
}

}  // namespace

int PlaySongAt(const PlayContext& context) {
    const PlayTry result = TryRows(SettingsPlayMode(), g_player.currentSong, RowCount(context),
                                   [&context](int row) { return TryRow(context, row); });
    g_player.currentSong = result.current;
    if (result.started) return 1;
    if (result.tried) context.list.ShowMessage(u"SMFファイルの読み込みに失敗しました");
    return 0;
}

void PlayCommand(const PlayContext& context) {
    const int focused = context.list.FocusedRow();
    const PlayStep step =
        NextPlayStep(SettingsPlayMode(), PlayEvent::kPlay, focused, RowCount(context));
    if (step.kind != PlayStep::kTry) return;
    context.list.ResetMarks();
    // Focused, not selected: the selection is the user's.
    if (focused < 0) context.list.FocusRow(step.row, false);
    g_player.currentSong = step.row;
    if (PlaySongAt(context)) SetPlayingButtons(context.window);
}

void PlayFocusedRow(const PlayContext& context) {
    if (g_player.isPlaying != 1) return PlayCommand(context);
    const int focused = context.list.FocusedRow();
    if (g_player.isPaused && (focused < 0 || focused == g_player.currentSong)) {
        return ResumeSong(context);
    }
    StopFor(context.library, kPendingOpen);
}

void StopFor(PlayLibrary& library, int pendingAction) {
    g_player.pendingAction = pendingAction;
    library.Stop();
}

namespace {

// Previous and next move the focus and the selection to the row they play.
void PlayNeighbour(const PlayContext& context, int target) {
    // Another list may be shown since the song started: its rows may be fewer.
    if (context.list.Rows().Holds(g_player.currentSong))
        context.list.DeselectRow(g_player.currentSong);
    context.list.FocusRow(target, true);
    PlayCommand(context);
}

void BackToIdle(const PlayContext& context) {
    ReleasePause(context.library);
    g_player.isPlaying = 0;
    context.list.ResetMarks();
    SetIdleButtons(context.window);
}

// The song ended by itself (or was refused): the play order gives the row that plays next.
void ContinueChain(const PlayContext& context, bool refused) {
    const PlayEvent event = refused ? PlayEvent::kRefused : PlayEvent::kSongEnd;
    const PlayStep step =
        NextPlayStep(SettingsPlayMode(), event, g_player.currentSong, RowCount(context));
    g_player.isPlaying = 0;
    g_player.currentSong = step.row;
    if (step.kind == PlayStep::kTry) {
        context.list.ResetMarks();
        PlaySongAt(context);
    }
    if (g_player.isPlaying != 1) BackToIdle(context);
}

// Previous or Next while a song played, once it has stopped.
void PlayPreviousOrNext(const PlayContext& context, int action) {
    const PlayEvent event = action == kPendingPrevious ? PlayEvent::kPrevious : PlayEvent::kNext;
    const PlayStep step =
        NextPlayStep(SettingsPlayMode(), event, g_player.currentSong, RowCount(context));
    if (step.kind != PlayStep::kTry) return BackToIdle(context);
    g_player.isPlaying = 0;
    PlayNeighbour(context, step.row);
    if (g_player.isPlaying != 1) BackToIdle(context);
}

}  // namespace

void EndOfPlayback(const PlayContext& context, bool refused) {
    const int action = g_player.pendingAction;
    g_player.pendingAction = kPendingNone;
    if (action == kPendingClose) {
        ReleasePause(context.library);
        g_player.isPlaying = 0;
        context.window.PostClose();
    } else if (action == kPendingSeek && !refused) {
        PlayOnFromSeek(context.library);
    } else if (action == kPendingStop) {
        BackToIdle(context);
    } else if (action == kPendingOpen) {
        g_player.isPlaying = 0;
        PlayCommand(context);  // the focus is on the first opened file
        if (g_player.isPlaying != 1) BackToIdle(context);
    } else if (action == kPendingPrevious || action == kPendingNext) {
        PlayPreviousOrNext(context, action);
    } else {
        ContinueChain(context, refused);
    }
}
