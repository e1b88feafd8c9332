// The end of a block: the 32-bit mix becomes 8- or 16-bit PCM, optionally through a 4-tap
// low-pass filter and (16-bit only) a 4-tap echo read from the history before the block. A
// block that is not played may still leave its mix in that history.
#include <algorithm>
#include <bit>
#include <cstring>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"

namespace {

struct EchoTaps {
    std::int32_t d1, d2, d3, d4;
};

EchoTaps TapsFor(std::int32_t sampleRate) {
    if (sampleRate == 22050) return {3000, 7500, 10500, 14500};
    return {6000, 13000, 21000, 29000};
}

// Every gain is a shift, applied to each term before the terms are added.
std::int32_t Filter(const std::int32_t* x, std::int32_t j) {
    return (x[j] >> 1) + (x[j - 1] >> 2) + (x[j - 2] >> 3) + (x[j - 3] >> 3);
}

std::int32_t Echo(const std::int32_t* x, std::int32_t j, const EchoTaps& t) {
    return (x[j - t.d1] >> 3) + (x[j - t.d2] >> 5) + (x[j - t.d2] >> 4) + (x[j - t.d3] >> 4) +
           (x[j - t.d4] >> 6) + (x[j - t.d4] >> 5);
}

std::uint8_t To8(std::int32_t value) {
    return static_cast<std::uint8_t>(std::clamp((value + 32768) >> 8, 0, 255));
}

std::int16_t To16(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

// Little-endian hosts store the 16-bit samples as they are, which lets the compiler turn the
// loops below into vector code; others store byte by byte.
void Store16(std::uint8_t* out, std::int32_t j, std::int16_t sample) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out + 2 * j, &sample, sizeof sample);
    } else {
        const auto bits = static_cast<std::uint16_t>(sample);
        out[2 * j] = static_cast<std::uint8_t>(bits & 0xFF);
        out[2 * j + 1] = static_cast<std::uint8_t>(bits >> 8);
    }
}

// One loop per case, with no test inside: the first sample is never filtered.
void Write8(std::uint8_t* out, const std::int32_t* x, std::int32_t count, bool filtered) {
    if (count <= 0) return;
    out[0] = To8(x[0]);
    if (filtered) {
        for (std::int32_t j = 1; j < count; ++j) out[j] = To8(Filter(x, j));
    } else {
        for (std::int32_t j = 1; j < count; ++j) out[j] = To8(x[j]);
    }
}

void Write16(std::uint8_t* out, const std::int32_t* x, std::int32_t count, bool filtered) {
    if (count <= 0) return;
    const EchoTaps taps = TapsFor(engine.sampleRate);
    Store16(out, 0, To16(x[0]));
    if (filtered) {
        for (std::int32_t j = 1; j < count; ++j)
            Store16(out, j, To16(Filter(x, j) + Echo(x, j, taps)));
    } else {
        for (std::int32_t j = 1; j < count; ++j) Store16(out, j, To16(x[j]));
    }
}

// The last second of the block becomes the end of the history that later blocks read.
void UpdateHistory(const std::int32_t* x, std::int32_t count) {
    const std::int32_t kept = std::min(count, engine.sampleRate);
    std::memmove(engine.mixCursor - kept, x + count - kept,
                 sizeof(std::int32_t) * static_cast<std::size_t>(kept));
}

}  // namespace

extern "C" TESALO_API int32_t WaveSet(WAVEBUFFER* buffer) {
    const std::int32_t count = engine.blockSamples;
    const std::int32_t* x = engine.mixCursor;
    const bool filtered = engine.bLPFDelay.load(std::memory_order_relaxed) == 1;
    if (engine.bitsPerSample == 16) {
        Write16(buffer->data, x, count, filtered);
        buffer->header.length = static_cast<std::uint32_t>(2 * count);
    } else {
        Write8(buffer->data, x, count, filtered);
        buffer->header.length = static_cast<std::uint32_t>(count);
    }
    if (filtered) UpdateHistory(x, count);
    engine.blockSamples = 0;
    return 1;
}

void EndUnplayedBlock(bool rendered) {
    const bool filtered = engine.bLPFDelay.load(std::memory_order_relaxed) == 1;
    if (rendered && filtered) UpdateHistory(engine.mixCursor, engine.blockSamples);
    engine.blockSamples = 0;
}

// The echo's longest tap reaches furthest; the filter reads three samples back. Without them
// the history is neither read nor kept.
std::int32_t HistoryDepth() {
    if (engine.bLPFDelay.load(std::memory_order_relaxed) != 1) return 0;
    return TapsFor(engine.sampleRate).d4;
}
