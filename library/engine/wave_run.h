// Adding one run of a waveform into the mix, with reads kept inside the waveform's memory.
#pragma once

#include <cstdint>

struct WaveRef {
    const std::uint8_t* data;  // samples followed by 64 guard samples
    std::int64_t stored;       // samples in memory: the waveform's length + 64
    std::int32_t wrap;         // loop length the guard repeats; 0 for a one-shot waveform
};

// The sample at position index, also outside the stored area: before the start it is the
// zero line, behind the guard the loop repeats (a one-shot waveform stays at the zero line).
std::uint8_t ReadWave(const WaveRef& wave, std::int64_t index);

// Adds count samples read at phase14, phase14 + step, ... (1/16384 sample units) through the
// amplitude row scale into out; returns the phase after the run.
std::int64_t AddWaveRun(const WaveRef& wave, const std::int16_t* scale, std::int64_t phase14,
                        std::int32_t step, std::uint32_t count, std::int32_t* out);
