// One event-free stretch of the block: its ticks become samples at the current tempo, and
// every claimed voice is added into that part of the mix.
#include <algorithm>

#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/state.h"

// Samples of a stretch; the product is taken in 32 bits as the tables were designed for.
std::uint32_t StretchSamples(std::uint32_t ticks) {
    const std::uint32_t product = g.usPerTick * static_cast<std::uint32_t>(g.sampleRate);
    return static_cast<std::uint32_t>(static_cast<double>(product) * 0.000001 * static_cast<double>(ticks));
}

extern "C" TESALO_API int32_t WaveSynth(uint32_t ticks) {
    const std::uint32_t n = StretchSamples(ticks);
    if (n == 0) return 1;
    if (std::int64_t{g.blockSamples} + n > 2 * std::int64_t{g.sampleRate}) {
        ShowLibraryMessage(kTextBufferOverJa, kTextBufferOverEn);
        return 0;
    }
    std::int32_t* mix = g.mixCursor + g.blockSamples;
    std::fill(mix, mix + n, 0);
    const std::int32_t limit = g.polyLimit.load(std::memory_order_relaxed);
    for (std::int32_t i = 0; i < limit; ++i) {
        if (g.voices[i].key != 0) RenderVoice(g.voices[i], n, mix);
    }
    g.blockSamples += static_cast<std::int32_t>(n);
    return 1;
}
