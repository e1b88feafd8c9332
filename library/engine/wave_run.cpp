// A run reads far outside the waveform only under the deepest vibrato, so the bounds are
// checked once per run and the per-sample loop of the common case has no test.
#include "library/engine/wave_run.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kZeroLine = 32;

// Four samples per turn, each with its own offset from the turn's phase, so the four reads
// do not wait for each other's phase additions; the output moves as a pointer, which spares
// the index arithmetic of every access.
void AddInside(const std::uint8_t* data, const std::int16_t* scale, std::int64_t phase14, std::int32_t step,
               std::uint32_t count, std::int32_t* out) {
    const std::int64_t step2 = 2 * std::int64_t{step};
    const std::int64_t step3 = 3 * std::int64_t{step};
    const std::int64_t step4 = 4 * std::int64_t{step};
    for (std::uint32_t turns = count / 4; turns != 0; --turns, out += 4) {
        out[0] += scale[data[phase14 >> 14]];
        out[1] += scale[data[(phase14 + step) >> 14]];
        out[2] += scale[data[(phase14 + step2) >> 14]];
        out[3] += scale[data[(phase14 + step3) >> 14]];
        phase14 += step4;
    }
    for (std::uint32_t left = count % 4; left != 0; --left, ++out) {
        *out += scale[data[phase14 >> 14]];
        phase14 += step;
    }
}

}  // namespace

std::uint8_t ReadWave(const WaveRef& wave, std::int64_t index) {
    if (index < 0) return kZeroLine;
    if (index < wave.stored) return wave.data[index];
    if (wave.wrap <= 0) return kZeroLine;
    const std::int64_t laps = (index - wave.stored) / wave.wrap + 1;
    const std::int64_t inside = index - laps * wave.wrap;
    return inside >= 0 ? wave.data[inside] : kZeroLine;
}

std::int64_t AddWaveRun(const WaveRef& wave, const std::int16_t* scale, std::int64_t phase14,
                        std::int32_t step, std::uint32_t count, std::int32_t* out) {
    if (count == 0) return phase14;
    const std::int64_t last = phase14 + std::int64_t{count - 1} * step;
    const std::int64_t low = std::min(phase14, last) >> 14;
    const std::int64_t high = std::max(phase14, last) >> 14;
    if (low >= 0 && high < wave.stored) {
        AddInside(wave.data, scale, phase14, step, count, out);
        return phase14 + std::int64_t{count} * step;
    } else {
        for (std::uint32_t i = 0; i < count; ++i) {
            out[i] += scale[ReadWave(wave, phase14 >> 14)];
            phase14 += step;
        }
    }
    return phase14;
}
