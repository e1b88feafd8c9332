#include "player/shell/window/pause_seek.h"

#include <algorithm>
#include <limits>

#include <QDialog>

#include "library/tesalo.h"
#include "player/model/library_activity.h"
#include "player/shell/window/play_control.h"
#include "player/shell/window/player_state.h"
#include "player/shell/window/window_buttons.h"

namespace {

QString PausedSuffix() {
    return QString::fromUtf16(g_player.japaneseUi ? u" (一時停止中)" : u" (paused)");
}

void PauseSong(const MainWindowControls& controls) {
    TePause();
    g_player.isPaused = true;
    controls.window->setWindowTitle(controls.window->windowTitle() + PausedSuffix());
    SetPausedButtons(controls);
}

}  // namespace

void PauseCommand(const MainWindowControls& controls) {
    if (g_player.isPlaying != 1 || g_player.pendingAction != kPendingNone) return;
    if (g_player.isPaused) return ResumeSong(controls);
    PauseSong(controls);
}

void ResumeSong(const MainWindowControls& controls) {
    ReleasePause();
    QString caption = controls.window->windowTitle();
    if (caption.endsWith(PausedSuffix())) caption.chop(PausedSuffix().size());
    controls.window->setWindowTitle(caption);
    SetPlayingButtons(controls);
}

void ReleasePause() {
    if (!g_player.isPaused) return;
    g_player.isPaused = false;
    TeResume();
}

std::int64_t SeekBase() {
    return g_player.pendingAction == kPendingSeek ? g_player.seekMs : g_player.elapsedMs;
}

void SeekCommand(std::int64_t targetMs) {
    const int pending = g_player.pendingAction;
    if (g_player.isPlaying != 1 || (pending != kPendingNone && pending != kPendingSeek)) return;
    constexpr std::int64_t kLatest = std::numeric_limits<std::uint32_t>::max();
    g_player.seekMs = static_cast<std::uint32_t>(std::clamp<std::int64_t>(targetMs, 0, kLatest));
    if (pending == kPendingSeek) return;  // the seek under way goes there instead
    // Held, the stop drops the blocks that wait instead of playing them out.
    if (!g_player.isPaused) TePause();
    StopFor(kPendingSeek);
}

void PlayOnFromSeek() {
    g_player.elapsedMs = static_cast<int>(std::min<std::uint32_t>(
        g_player.seekMs, static_cast<std::uint32_t>(std::numeric_limits<int>::max())));
    g_player.playReportDue = true;
    NoteSongStarting();
    TePlayFrom(g_player.seekMs);
    if (!g_player.isPaused) TeResume();
}
