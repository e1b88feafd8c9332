#include "player/shell/desktop/media_snapshot.h"

#include <QApplication>
#include <QDialog>

#include "player/model/settings.h"
#include "player/shell/lists/song_list_view.h"

namespace {

PlaybackStatus StatusOf(const PlayerState& player) {
    if (player.isPlaying != 1) return PlaybackStatus::kStopped;
    return player.isPaused ? PlaybackStatus::kPaused : PlaybackStatus::kPlaying;
}

// Whether the event, while the song plays, would play a row.
bool Plays(PlayMode mode, PlayEvent event, const MediaState& state, const SongRows& rows) {
    return state.row >= 0 &&
           NextPlayStep(mode, event, state.row, rows.Count()).kind == PlayStep::kTry;
}

// The main window runs as a modal dialog itself: only another one, or a menu, is in front.
bool SomethingInFront(const QDialog* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal != nullptr && modal != window) || QApplication::activePopupWidget() != nullptr;
}

}  // namespace

MediaState MediaStateOf(const PlayerState& player, const SongRows& rows, PlayMode mode, bool busy) {
    MediaState state;
    state.status = StatusOf(player);
    state.busy = busy;
    state.canPlay = rows.Count() > 0;
    if (state.status == PlaybackStatus::kStopped) return state;
    state.row = player.currentSong;
    state.positionMs = player.elapsedMs;
    state.seeking = player.pendingAction == kPendingSeek;
    // Another list may be shown since the song started: its rows may be fewer.
    if (rows.Holds(state.row)) {
        const SongRow& song = rows.Row(state.row);
        state.title = song.title;
        state.path = song.path;
        state.seconds = song.seconds;
    }
    state.canGoNext = Plays(mode, PlayEvent::kNext, state, rows);
    state.canGoPrevious = Plays(mode, PlayEvent::kPrevious, state, rows);
    return state;
}

MediaState TakeMediaState(const MainWindowControls& controls) {
    const PlayMode mode{g_settings.bChainPlay == 1, g_settings.bAutoRepeat == 1};
    return MediaStateOf(g_player, ShownRows(controls.listView)->Rows(), mode,
                        SomethingInFront(controls.window));
}
