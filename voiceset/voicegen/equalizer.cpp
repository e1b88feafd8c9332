#include "voiceset/voicegen/equalizer.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <vector>

#include "voiceset/voicegen/signal_math.h"

namespace {

using Spectrum = std::vector<std::complex<double>>;

// The note starts from silence: the step would come out of a filter that raises the treble as a
// spike, which the quantizer's soft start then hides while it sets the level of the whole tone.
constexpr std::size_t kOnsetFade = 32;

std::size_t PowerOfTwoAtLeast(std::size_t n) {
    std::size_t size = 1;
    while (size < n) size <<= 1;
    return size;
}

// Radix-2 transform in place; the inverse is scaled by 1/n.
void Transform(Spectrum& data, bool inverse) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(data[i], data[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = (inverse ? 2.0 : -2.0) * kPi / static_cast<double>(length);
        for (std::size_t start = 0; start < n; start += length) {
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> w(std::cos(angle * static_cast<double>(k)),
                                             std::sin(angle * static_cast<double>(k)));
                const std::complex<double> a = data[start + k];
                const std::complex<double> b = data[start + k + length / 2] * w;
                data[start + k] = a + b;
                data[start + k + length / 2] = a - b;
            }
        }
    }
    if (inverse) {
        for (auto& value : data) value /= static_cast<double>(n);
    }
}

// Filters samples as one period of a periodic signal that holds `cycles` cycles of the key.
std::vector<double> FilterPeriod(const std::vector<double>& samples, double cycles,
                                 const RatioGain& gain) {
    const std::size_t n = samples.size();
    Spectrum data(samples.begin(), samples.end());
    Transform(data, false);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t bin = k <= n / 2 ? k : n - k;
        data[k] *= gain(static_cast<double>(bin) / cycles);
    }
    Transform(data, true);
    std::vector<double> out;
    for (const auto& value : data) out.push_back(value.real());
    return out;
}

}  // namespace

void Equalize(Wave& wave, const RatioGain& gain) {
    const std::size_t opening = static_cast<std::size_t>(wave.attackCycles) * kCycleSamples;
    const std::size_t loopLength = static_cast<std::size_t>(wave.loopCycles) * kCycleSamples;
    const std::vector<double> loop(wave.samples.begin() + static_cast<long>(opening),
                                   wave.samples.end());
    if (opening > 0) {
        // The opening part followed by enough of the loop that the filter's ringing at the far
        // end (where the stretch wraps) stays away from it; zeros after that.
        std::vector<double> stretch(wave.samples.begin(),
                                    wave.samples.begin() + static_cast<long>(opening));
        for (std::size_t n = 0; n < std::min(kOnsetFade, opening); ++n) {
            stretch[n] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(n) / kOnsetFade);
        }
        while (stretch.size() < opening + std::max<std::size_t>(loopLength, 2048)) {
            stretch.insert(stretch.end(), loop.begin(), loop.end());
        }
        const std::size_t size = PowerOfTwoAtLeast(2 * stretch.size());
        stretch.resize(size, 0.0);
        const std::vector<double> filtered =
            FilterPeriod(stretch, static_cast<double>(size) / kCycleSamples, gain);
        std::copy(filtered.begin(), filtered.begin() + static_cast<long>(opening),
                  wave.samples.begin());
    }
    const std::vector<double> filteredLoop = FilterPeriod(loop, wave.loopCycles, gain);
    std::copy(filteredLoop.begin(), filteredLoop.end(),
              wave.samples.begin() + static_cast<long>(opening));
}

RatioGain HarmonicGains(const double (&db)[12]) {
    std::vector<double> levels(db, db + 12);
    return [levels](double ratio) {
        if (ratio <= 1.0) return std::pow(10.0, levels[0] / 20.0);
        if (ratio >= 12.0) return std::pow(10.0, levels[11] / 20.0);
        const auto below = static_cast<std::size_t>(std::floor(ratio));
        const double x = ratio - static_cast<double>(below);
        const double level =
            levels[below - 1] * (1.0 - x) + levels[std::min<std::size_t>(below, 11)] * x;
        return std::pow(10.0, level / 20.0);
    };
}
