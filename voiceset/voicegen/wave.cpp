#include "voiceset/voicegen/wave.h"

#include <algorithm>
#include <cmath>

#include "voiceset/voicegen/signal_math.h"

namespace {

constexpr double kOutputNyquist = 11025.0;
// Partials above this ratio come too close to the 32 of a 64-sample cycle: the table lookup
// without interpolation would mirror them back.
constexpr double kTableLimit = 28.0;
constexpr int kFadeInSamples = 12;

// The opening part's window: full for its first half, then a cosine fade to 0 at the loop.
double AttackWindow(double t, double attackCycles) {
    if (attackCycles <= 0 || t >= attackCycles) return 0.0;
    const double half = attackCycles * 0.5;
    if (t < half) return 1.0;
    const double x = (t - half) / half;
    return 0.5 + 0.5 * std::cos(kPi * x);
}

// sin and cos of one loop period, so steady partials cost two look-ups per sample.
struct LoopTable {
    int size;
    std::vector<double> sine, cosine;
};

LoopTable MakeLoopTable(int loopCycles) {
    LoopTable table{loopCycles * kCycleSamples, {}, {}};
    for (int i = 0; i < table.size; ++i) {
        table.sine.push_back(std::sin(2.0 * kPi * i / table.size));
        table.cosine.push_back(std::cos(2.0 * kPi * i / table.size));
    }
    return table;
}

// Adds the partials (ratio rounded to k / loopCycles) to out[0..count).
void AddPeriodic(const LoopTable& table, int loopCycles, const Partials& partials, double* out,
                 int count) {
    for (const Partial& p : partials) {
        const long k = std::lround(p.ratio * loopCycles);
        if (k <= 0 || p.amp == 0.0) continue;
        const double s = p.amp * std::cos(p.phase), c = p.amp * std::sin(p.phase);
        long index = 0;
        for (int n = 0; n < count; ++n) {
            out[n] += s * table.sine[index] + c * table.cosine[index];
            index += k;
            if (index >= table.size) index %= table.size;
        }
    }
}

}  // namespace

Wave NewWave(int attackCycles, int loopCycles) {
    Wave wave{attackCycles, loopCycles, {}};
    wave.samples.assign(static_cast<std::size_t>((attackCycles + loopCycles) * kCycleSamples), 0.0);
    return wave;
}

Partials Series(int count, const std::function<double(int)>& amp) {
    Partials partials;
    for (int h = 1; h <= count; ++h) partials.push_back({static_cast<double>(h), amp(h)});
    return partials;
}

Partials FromCycle(const std::function<double(double)>& cycle, int count) {
    constexpr int kPoints = 2048;
    std::vector<double> x(kPoints);
    for (int n = 0; n < kPoints; ++n) x[n] = cycle(static_cast<double>(n) / kPoints);
    Partials partials;
    for (int h = 1; h <= count; ++h) {
        double re = 0, im = 0;
        for (int n = 0; n < kPoints; ++n) {
            const double angle = 2.0 * kPi * h * n / kPoints;
            re += x[n] * std::cos(angle);
            im -= x[n] * std::sin(angle);
        }
        const double amp = 2.0 * std::hypot(re, im) / kPoints;
        partials.push_back({static_cast<double>(h), amp, std::atan2(re, -im)});
    }
    return partials;
}

Partials Detuned(const Partials& partials, double ratioFactor, double gain) {
    Partials copy = partials;
    for (Partial& p : copy) {
        p.ratio *= ratioFactor;
        p.amp *= gain;
    }
    return copy;
}

void BandLimit(Partials& partials, double topKey) {
    // Partials fade from 0.6 of the top key's limit to nothing at 1.5 of it: the top notes
    // fold back only weak, already quiet partials, and the middle of the range stays bright.
    const double limit = kOutputNyquist / KeyFrequency(topKey);
    const double start = limit * 0.6;
    const double end = std::min(kTableLimit, limit * 1.5);
    for (Partial& p : partials) {
        if (p.ratio <= std::max(1.0, start)) continue;
        if (p.ratio >= end) {
            p.amp = 0.0;
            continue;
        }
        const double x = (p.ratio - start) / (end - start);
        p.amp *= 0.5 + 0.5 * std::cos(kPi * x);
    }
}

void SpreadPhases(Partials& partials, int loopCycles, std::uint32_t seed) {
    constexpr int kTrials = 24;
    const LoopTable table = MakeLoopTable(loopCycles);
    Noise noise = NoiseWithSeed(seed);
    Partials best = partials;
    double bestPeak = -1.0;
    std::vector<double> loop(static_cast<std::size_t>(table.size));
    for (int trial = 0; trial < kTrials; ++trial) {
        Partials candidate = partials;
        for (Partial& p : candidate) p.phase = 2.0 * kPi * NextUnit(noise);
        std::fill(loop.begin(), loop.end(), 0.0);
        AddPeriodic(table, loopCycles, candidate, loop.data(), table.size);
        double peak = 0;
        for (double v : loop) peak = std::max(peak, std::fabs(v));
        if (bestPeak < 0 || peak < bestPeak) {
            bestPeak = peak;
            best = candidate;
        }
    }
    partials = best;
}

void AddSteady(Wave& wave, const Partials& partials) {
    const LoopTable table = MakeLoopTable(wave.loopCycles);
    AddPeriodic(table, wave.loopCycles, partials, wave.samples.data(),
                static_cast<int>(wave.samples.size()));
}

void AddFading(Wave& wave, const Partials& partials, double decayCycles) {
    const auto count = static_cast<std::size_t>(wave.attackCycles * kCycleSamples);
    for (const Partial& p : partials) {
        if (p.amp == 0.0) continue;
        for (std::size_t n = 0; n < count; ++n) {
            const double t = static_cast<double>(n) / kCycleSamples;
            const double gain = std::exp(-t / decayCycles) * AttackWindow(t, wave.attackCycles);
            wave.samples[n] += p.amp * gain * std::sin(2.0 * kPi * p.ratio * t + p.phase);
        }
    }
}

void AddFalling(Wave& wave, const Partials& partials, double bend, double bendCycles,
                double decayCycles) {
    const auto count = static_cast<std::size_t>(wave.attackCycles * kCycleSamples);
    for (const Partial& p : partials) {
        if (p.amp == 0.0) continue;
        for (std::size_t n = 0; n < count; ++n) {
            const double t = static_cast<double>(n) / kCycleSamples;
            // The phase is the integral of ratio x (1 + bend e^(-t / bendCycles)).
            const double cycles =
                p.ratio * (t + bend * bendCycles * (1.0 - std::exp(-t / bendCycles)));
            const double gain = std::exp(-t / decayCycles) * AttackWindow(t, wave.attackCycles);
            wave.samples[n] += p.amp * gain * std::sin(2.0 * kPi * cycles + p.phase);
        }
    }
}

void AddAttackNoise(Wave& wave, double level, double decayCycles, double lowRatio, double highRatio,
                    std::uint32_t seed) {
    Noise noise = NoiseWithSeed(seed);
    Biquad high = HighPass(lowRatio / kCycleSamples, 0.7);
    Biquad low = LowPass(std::min(highRatio, 30.0) / kCycleSamples, 0.7);
    const auto count = static_cast<std::size_t>(wave.attackCycles * kCycleSamples);
    for (std::size_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kCycleSamples;
        const double x = Filter(low, Filter(high, NextNoise(noise)));
        wave.samples[n] +=
            level * x * std::exp(-t / decayCycles) * AttackWindow(t, wave.attackCycles);
    }
}

void AddLoopNoise(Wave& wave, double level, double lowRatio, double highRatio, std::uint32_t seed,
                  const std::function<double(double)>& tilt) {
    Noise noise = NoiseWithSeed(seed);
    Partials partials;
    const int first = static_cast<int>(std::ceil(lowRatio * wave.loopCycles));
    const int last =
        static_cast<int>(std::floor(std::min(highRatio, kTableLimit) * wave.loopCycles));
    const double norm = std::sqrt(2.0 / std::max(1, last - first + 1));
    for (int k = std::max(1, first); k <= last; ++k) {
        const double ratio = static_cast<double>(k) / wave.loopCycles;
        const double amp = level * norm * (tilt ? tilt(ratio) : 1.0);
        partials.push_back({ratio, amp, 2.0 * kPi * NextUnit(noise)});
    }
    AddSteady(wave, partials);
}

void AddMoving(Wave& wave, const Partials& partials,
               const std::function<double(double, double)>& gain) {
    const long loopSamples = wave.loopCycles * kCycleSamples;
    const long loopStart = wave.attackCycles * kCycleSamples;
    for (const Partial& p : partials) {
        const double ratio =
            static_cast<double>(std::lround(p.ratio * wave.loopCycles)) / wave.loopCycles;
        if (ratio <= 0 || p.amp == 0.0) continue;
        for (std::size_t n = 0; n < wave.samples.size(); ++n) {
            const long inLoop =
                ((static_cast<long>(n) - loopStart) % loopSamples + loopSamples) % loopSamples;
            const double position = static_cast<double>(inLoop) / loopSamples;
            const double t = static_cast<double>(n) / kCycleSamples;
            wave.samples[n] +=
                p.amp * gain(ratio, position) * std::sin(2.0 * kPi * ratio * t + p.phase);
        }
    }
}

void Envelope(Wave& wave, const std::function<double(double)>& gain) {
    for (std::size_t n = 0; n < wave.samples.size(); ++n) {
        wave.samples[n] *= gain(static_cast<double>(n) / kCycleSamples);
    }
}

WaveLevel MeasureWave(const Wave& wave) {
    const std::size_t loopStart = static_cast<std::size_t>(wave.attackCycles * kCycleSamples);
    double sum = 0, peak = 0;
    for (std::size_t n = 0; n < wave.samples.size(); ++n) {
        peak = std::max(peak, std::fabs(wave.samples[n]));
        if (n >= loopStart) sum += wave.samples[n] * wave.samples[n];
    }
    const double count = static_cast<double>(wave.samples.size() - loopStart);
    return {count > 0 ? std::sqrt(sum / count) : 0.0, peak};
}

std::vector<std::uint8_t> QuantizeWave(const Wave& wave, double gain) {
    std::vector<std::uint8_t> out;
    out.reserve(wave.samples.size());
    for (std::size_t n = 0; n < wave.samples.size(); ++n) {
        double v = wave.samples[n] * gain;
        // A soft start: the first samples would otherwise click at every note-on.
        if (wave.attackCycles > 0 && n < kFadeInSamples)
            v *= static_cast<double>(n) / kFadeInSamples;
        const long q = std::clamp(std::lround(v), -32L, 32L);
        out.push_back(static_cast<std::uint8_t>(q + 32));
    }
    return out;
}
