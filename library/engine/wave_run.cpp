// A run reads far outside the waveform only under the deepest vibrato, so the bounds are
// checked once per run and the per-sample loop of the common case has no test.
#include "library/engine/wave_run.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint8_t kZeroLine = 32;

#if defined(__SSE2__)
// Eight samples per turn: each amplitude is read straight into its lane of a vector, and the
// mix is read and written once for the eight, as two vectors of four, instead of once a sample.
void AddInside(const std::uint8_t* data, const std::int16_t* scale, std::int64_t phase14,
               std::int32_t step, std::uint32_t count, std::int32_t* out) {
    const std::int64_t s1 = step, s2 = 2 * s1, s3 = 3 * s1, s4 = 4 * s1, s5 = 5 * s1, s6 = 6 * s1,
                       s7 = 7 * s1;
    const std::int64_t s8 = 8 * s1;
    for (std::uint32_t turns = count / 8; turns != 0; --turns, out += 8) {
        __m128i words = _mm_cvtsi32_si128(scale[data[phase14 >> 14]]);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s1) >> 14]], 1);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s2) >> 14]], 2);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s3) >> 14]], 3);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s4) >> 14]], 4);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s5) >> 14]], 5);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s6) >> 14]], 6);
        words = _mm_insert_epi16(words, scale[data[(phase14 + s7) >> 14]], 7);
        const __m128i low = _mm_srai_epi32(_mm_unpacklo_epi16(words, words), 16);
        const __m128i high = _mm_srai_epi32(_mm_unpackhi_epi16(words, words), 16);
        auto* mix = reinterpret_cast<__m128i*>(out);
        _mm_storeu_si128(mix, _mm_add_epi32(_mm_loadu_si128(mix), low));
        _mm_storeu_si128(mix + 1, _mm_add_epi32(_mm_loadu_si128(mix + 1), high));
        phase14 += s8;
    }
    for (std::uint32_t left = count % 8; left != 0; --left, ++out) {
        *out += scale[data[phase14 >> 14]];
        phase14 += step;
    }
}
#else
// Four samples per turn, each with its own offset from the turn's phase, so the four reads
// do not wait for each other's phase additions; the output moves as a pointer, which spares
// the index arithmetic of every access.
void AddInside(const std::uint8_t* data, const std::int16_t* scale, std::int64_t phase14,
               std::int32_t step, std::uint32_t count, std::int32_t* out) {
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

#endif

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
