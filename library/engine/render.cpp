// One event-free stretch of the block: its ticks become samples at the current tempo, and
// every claimed voice is added into that part of the mix, one tile of the mix at a time (or,
// in a block passed over by a start further in, only moved on through the stretch, or left
// standing while the samples are counted).
#include <algorithm>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"
#include "library/engine/voice_render.h"

// Samples of a stretch; the product is taken in 32 bits as the tables were designed for.
std::uint32_t StretchSamples(std::uint32_t ticks) {
    const std::uint32_t product = engine.usPerTick * static_cast<std::uint32_t>(engine.sampleRate);
    return static_cast<std::uint32_t>(static_cast<double>(product) * 0.000001 *
                                      static_cast<double>(ticks));
}

// Samples of the mix every voice adds into before the next tile starts: 2 KiB, which stays in
// the first-level cache together with the waveforms and amplitude rows being read.
constexpr std::uint32_t kTileSamples = 512;

// Starts every claimed voice in index order. A drum that ends in this stretch frees its voice
// when it has rendered, so the voices after it see one voice fewer: their rows follow the
// count of voices as it will stand when their turn comes.
static std::int32_t StartVoices(std::uint32_t n, VoiceCursor* cursors) {
    const std::int32_t limit = engine.polyLimit.load(std::memory_order_relaxed);
    std::int32_t active = engine.activeVoices;
    std::int32_t started = 0;
    for (std::int32_t i = 0; i < limit; ++i) {
        if (engine.voices[i].key == 0) continue;
        VoiceCursor& cursor = cursors[started++];
        cursor = StartVoice(engine.voices[i], n, std::clamp(active, 0, kMaxVoices));
        if (FreesVoice(cursor)) active = std::max(active - 1, 0);
    }
    return started;
}

static void RenderStretch(std::int32_t* mix, std::uint32_t n) {
    VoiceCursor cursors[kMaxVoices + 1];
    const std::int32_t count = StartVoices(n, cursors);
    for (std::uint32_t from = 0; from < n; from += kTileSamples) {
        const std::uint32_t to = std::min(n - from, kTileSamples) + from;
        std::fill(mix + from, mix + to, 0);
        for (std::int32_t i = 0; i < count; ++i) RenderTile(cursors[i], from, to, mix);
    }
    for (std::int32_t i = 0; i < count; ++i) FinishVoice(cursors[i]);
}

// A stretch passed over unheard: the voices move on as rendered ones do.
static void PassStretch(std::uint32_t n) {
    VoiceCursor cursors[kMaxVoices + 1];
    const std::int32_t count = StartVoices(n, cursors);
    for (std::int32_t i = 0; i < count; ++i) PassTiles(cursors[i]);
    for (std::int32_t i = 0; i < count; ++i) FinishVoice(cursors[i]);
}

bool RenderTicks(std::uint32_t ticks) {
    const std::uint32_t n = StretchSamples(ticks);
    if (n == 0) return true;
    if (std::int64_t{engine.blockSamples} + n > 2 * std::int64_t{engine.sampleRate}) return false;
    if (engine.stretchWork == StretchWork::kRender)
        RenderStretch(engine.mixCursor + engine.blockSamples, n);
    if (engine.stretchWork == StretchWork::kMoveVoices) PassStretch(n);
    engine.blockSamples += static_cast<std::int32_t>(n);
    return true;
}
