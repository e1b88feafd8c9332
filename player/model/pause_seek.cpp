#include "player/model/pause_seek.h"

#include <algorithm>
#include <limits>
#include <string>

#include "player/model/play_buttons.h"
#include "player/model/play_control.h"
#include "player/model/player_state.h"

namespace {

std::u16string PausedSuffix() { return g_player.japaneseUi ? u" (一時停止中)" : u" (paused)"; }

void PauseSong(const PlayContext& context) {
    context.library.Pause();
    g_player.isPaused = true;
    context.window.SetCaption(context.window.Caption() + PausedSuffix());
    SetPausedButtons(context.window);
}

}  // namespace

void PauseCommand(const PlayContext& context) {
    if (g_player.isPlaying != 1 || g_player.pendingAction != kPendingNone) return;
    if (g_player.isPaused) return ResumeSong(context);
    PauseSong(context);
}

void ResumeSong(const PlayContext& context) {
    ReleasePause(context.library);
    std::u16string caption = context.window.Caption();
    const std::u16string suffix = PausedSuffix();
    if (caption.ends_with(suffix)) caption.resize(caption.size() - suffix.size());
    context.window.SetCaption(caption);
    SetPlayingButtons(context.window);
}

void ReleasePause(PlayLibrary& library) {
    if (!g_player.isPaused) return;
    g_player.isPaused = false;
    library.Resume();
}

std::int64_t SeekBase() {
    return g_player.pendingAction == kPendingSeek ? g_player.seekMs : g_player.elapsedMs;
}

void SeekCommand(PlayLibrary& library, std::int64_t targetMs) {
    const int pending = g_player.pendingAction;
    if (g_player.isPlaying != 1 || (pending != kPendingNone && pending != kPendingSeek)) return;
    constexpr std::int64_t kLatest = std::numeric_limits<std::uint32_t>::max();
    g_player.seekMs = static_cast<std::uint32_t>(std::clamp<std::int64_t>(targetMs, 0, kLatest));
    if (pending == kPendingSeek) return;  // the seek under way goes there instead
    // Held, the stop drops the blocks that wait instead of playing them out.
    if (!g_player.isPaused) library.Pause();
    StopFor(library, kPendingSeek);
}

void PlayOnFromSeek(PlayLibrary& library) {
    g_player.elapsedMs = static_cast<int>(std::min<std::uint32_t>(
        g_player.seekMs, static_cast<std::uint32_t>(std::numeric_limits<int>::max())));
    g_player.playReportDue = true;
    library.PlayFrom(g_player.seekMs);
    if (!g_player.isPaused) library.Resume();
}
