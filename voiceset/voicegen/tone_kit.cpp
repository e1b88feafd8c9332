#include "voiceset/voicegen/tone_kit.h"

#include <algorithm>
#include <cmath>

#include "voiceset/voicegen/signal_math.h"

namespace {

constexpr int kHarmonics = 28;

}  // namespace

double Saw(int h) { return 1.0 / h; }

double OddHeavy(int h, double even) { return (h % 2 == 1 ? 1.0 : even) / h; }

double Plucked(int h, double position, double rolloff) {
    const double shape = std::fabs(std::sin(kPi * h * position)) / std::sin(kPi * position);
    return std::max(shape, h == 1 ? 1.0 : 0.0) / std::pow(h, rolloff);
}

double Peak(double ratio, double centre, double octaves) {
    const double x = std::log2(ratio / centre) / octaves;
    return std::exp(-0.6931 * x * x);
}

double Tilt(double ratio, double dbPerOctave) {
    return std::pow(10.0, dbPerOctave * std::log2(ratio) / 20.0);
}

double Vowel(int h, const std::vector<std::pair<double, double>>& formants, double rolloff) {
    double gain = 0.08;
    for (const auto& [centre, level] : formants) gain += level * Peak(h, centre, 0.35);
    return gain / std::pow(h, rolloff);
}

Partials LoopSeries(const HarmonicShape& amp, double topKey, std::uint32_t seed) {
    Partials partials = Series(kHarmonics, amp);
    BandLimit(partials, topKey);
    SpreadPhases(partials, 1, seed);
    return partials;
}

Partials Matching(const Partials& loop, const HarmonicShape& amp, double topKey) {
    Partials partials = loop;
    for (Partial& p : partials) p.amp = amp(static_cast<int>(std::lround(p.ratio)));
    BandLimit(partials, topKey);
    return partials;
}

void AddDetuned(Wave& wave, const Partials& partials,
                const std::vector<std::pair<int, double>>& copies, std::uint32_t seed) {
    Noise noise = NoiseWithSeed(seed);
    for (const auto& [k, gain] : copies) {
        Partials copy = Detuned(partials, 1.0 + static_cast<double>(k) / wave.loopCycles, gain);
        for (Partial& p : copy) {
            p.phase = 2.0 * kPi * NextUnit(noise);
            // The fundamental stays single: the beating lives in the overtones and the note
            // keeps one clear pitch.
            if (p.ratio < 1.5) p.amp = 0.0;
        }
        AddSteady(wave, copy);
    }
}

Partials Modes(const std::vector<std::pair<double, double>>& ratioAndAmp, double topKey,
               std::uint32_t seed) {
    Noise noise = NoiseWithSeed(seed);
    Partials partials;
    for (const auto& [ratio, amp] : ratioAndAmp)
        partials.push_back({ratio, amp, 2.0 * kPi * NextUnit(noise)});
    BandLimit(partials, topKey);
    return partials;
}

Wave MakeWave(const WaveRecipe& r, std::uint32_t seed) {
    Wave wave = NewWave(r.attackCycles, r.loopCycles);
    Partials loop = LoopSeries(r.loop, r.topKey, seed);
    double power = 0;
    for (const Partial& p : loop) power += p.amp * p.amp / 2;
    double copies = 1;
    for (const auto& copy : r.detune) copies += copy.second * copy.second;
    const double scale = 1.0 / std::sqrt(power * copies);
    for (Partial& p : loop) p.amp *= scale;
    AddSteady(wave, loop);
    AddDetuned(wave, loop, r.detune, seed + 1);
    if (r.loopNoise > 0) AddLoopNoise(wave, r.loopNoise, r.loopNoiseLow, r.loopNoiseHigh, seed + 2);
    if (r.brighten) {
        Partials extra = Matching(loop, r.brighten, r.topKey + 5);
        for (Partial& p : extra) p.amp *= scale;
        AddFading(wave, extra, r.brightDecay);
    }
    if (!r.modes.empty()) {
        const Partials modes = Modes(r.modes, r.topKey + 5, seed + 3);
        if (r.modeBend > 0) {
            AddFalling(wave, modes, r.modeBend, r.modeBendCycles, r.modeDecay);
        } else {
            AddFading(wave, modes, r.modeDecay);
        }
    }
    if (r.noise > 0) AddAttackNoise(wave, r.noise, r.noiseDecay, r.noiseLow, r.noiseHigh, seed + 4);
    return wave;
}

ToneDesign Tone(ToneEnvelope envelope, ToneModulation modulation, Wave wave, double loudness) {
    ToneDesign tone{envelope, modulation, std::move(wave)};
    tone.loudness = loudness;
    return tone;
}

ToneDesign Alternate(int program, ToneEnvelope envelope, ToneModulation modulation) {
    ToneDesign tone{envelope, modulation, NewWave(0, 0)};
    tone.alternateOf = program;
    return tone;
}
