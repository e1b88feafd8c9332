// Brass, reeds and pipes (programs 56..79): they sustain while the player blows, with a
// delayed vibrato. Brass speaks dark and brightens in the opening part; reeds and pipes carry
// breath noise, the flutes also in the loop.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

// A brass bore: a full series up to a broad resonance, falling steeply above it.
HarmonicShape Brass(double formant, double fall) {
    return [=](int h) {
        const double body = h <= formant ? std::pow(h / formant, 0.3) : Tilt(h / formant, -fall);
        return body / std::pow(h, 0.5);
    };
}

Wave BrassWave(const HarmonicShape& shape, double topKey, int loopCycles, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = shape;
    r.topKey = topKey;
    r.attackCycles = 24;
    r.loopCycles = loopCycles;
    if (loopCycles > 1) r.detune = {{-1, 0.55}, {1, 0.55}};
    // The lips need a moment to reach full brightness.
    r.brighten = [=](int h) { return h > 2 ? -0.8 * shape(h) : 0.0; };
    r.brightDecay = 6;
    r.noise = 0.25;
    r.noiseDecay = 2;
    r.noiseLow = 2;
    return MakeWave(r, seed);
}

// A reed: a series shaped by the bore and a resonance, with breath in the opening part and a
// little in the loop.
Wave ReedWave(const HarmonicShape& shape, double topKey, double breath, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = shape;
    r.topKey = topKey;
    r.attackCycles = 16;
    r.loopCycles = 16;
    r.loopNoise = breath * 0.15;
    r.loopNoiseLow = 2;
    r.loopNoiseHigh = 20;
    r.noise = breath;
    r.noiseDecay = 4;
    r.noiseLow = 2;
    r.noiseHigh = 24;
    return MakeWave(r, seed);
}

// A flute: few harmonics, breath in the loop and a chiff at the start.
Wave PipeWave(std::vector<double> harmonics, double topKey, double breath, double chiff,
              std::uint32_t seed) {
    WaveRecipe r;
    r.loop = [=](int h) {
        return h <= static_cast<int>(harmonics.size()) ? harmonics[h - 1] : 0.0;
    };
    r.topKey = topKey;
    r.attackCycles = 24;
    r.loopCycles = 32;
    r.loopNoise = breath;
    r.loopNoiseLow = 0.5;
    r.loopNoiseHigh = 12;
    r.noise = chiff;
    r.noiseDecay = 5;
    r.noiseLow = 1;
    r.noiseHigh = 16;
    return MakeWave(r, seed);
}

constexpr ToneEnvelope kBlown{13, 9, 0, 3};
constexpr ToneEnvelope kSteady{13, 0, 0, 0};

}  // namespace

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign WindTone(int program) {
    const std::uint32_t seed = 500 + program;
    switch (program) {
        case 56: return Tone(kBlown, {11, 8, 10}, BrassWave(Brass(4, 14), 86, 1, seed), 0.9);
        case 57: return Tone(kBlown, {11, 7, 12}, BrassWave(Brass(5, 12), 74, 1, seed), 0.95);
        case 58: return Tone(kBlown, {}, BrassWave(Brass(3, 14), 58, 1, seed), 1.1);
        case 59:  // muted trumpet: the mute takes the body and leaves a thin, nasal top
            return Tone({14, 9, 0, 3}, {11, 8, 10},
                        BrassWave([](int h) { return (0.25 + Peak(h, 6, 0.6)) / std::sqrt(h) * (h == 1 ? 1.6 : 1.0); }, 86, 1, seed), 0.85);
        case 60:  // French horn: the hand in the bell, round and dark
            return Tone({12, 8, 0, 2}, {}, BrassWave([](int h) { return Saw(h) * Tilt(h, -6) * (1.0 + 0.5 * Peak(h, 2, 0.6)); }, 78, 1, seed), 1.05);
        case 61: return Tone(kBlown, {11, 8, 12}, BrassWave(Brass(4.5, 12), 84, 128, seed), 0.9);
        case 62:  // synth brass: a sawtooth chorus with a filter that opens and settles
            return Tone({14, 8, 0, 3}, {}, BrassWave([](int h) { return Saw(h) * (h <= 5 ? 1.0 : Tilt(h / 5.0, -10)); }, 84, 128, seed), 0.9);
        case 63: return Alternate(62, {12, 7, 0, 2}, {11, 7, 10});
        case 64: return Tone(kSteady, {11, 8, 8}, ReedWave([](int h) { return Saw(h) * (0.4 + Peak(h, 5, 0.8)); }, 88, 0.4, seed), 0.9);
        case 65: return Tone(kSteady, {11, 8, 8}, ReedWave([](int h) { return Saw(h) * (0.4 + Peak(h, 4, 0.8)) * Tilt(h, -1); }, 84, 0.45, seed), 0.9);
        case 66: return Tone(kSteady, {11, 7, 8}, ReedWave([](int h) { return Saw(h) * (0.5 + Peak(h, 3.5, 0.9)) * Tilt(h, -2); }, 78, 0.5, seed), 0.95);
        case 67: return Tone(kSteady, {11, 7, 10}, ReedWave([](int h) { return Saw(h) * (0.5 + Peak(h, 4, 1.0)) * Tilt(h, -3); }, 70, 0.5, seed), 1.0);
        case 68:  // oboe: a double reed, the middle harmonics strongest
            return Tone(kSteady, {11, 8, 8}, ReedWave([](int h) { return (h == 1 ? 0.45 : 1.0) * Peak(h, 3.5, 1.1) + 0.05; }, 88, 0.3, seed), 0.85);
        case 69:  // English horn: a darker oboe
            return Tone(kSteady, {11, 8, 8}, ReedWave([](int h) { return (h == 1 ? 0.6 : 1.0) * Peak(h, 2.5, 1.0) + 0.04; }, 82, 0.3, seed), 0.9);
        case 70:  // bassoon
            return Tone(kSteady, {11, 7, 10}, ReedWave([](int h) { return Saw(h) * (0.3 + Peak(h, 4, 0.8)) * Tilt(h, -2); }, 70, 0.3, seed), 1.0);
        case 71:  // clarinet: a cylinder, odd harmonics first
            return Tone(kSteady, {}, ReedWave([](int h) { return OddHeavy(h, 0.15) * Tilt(h, -2); }, 86, 0.3, seed), 0.9);
        case 72: return Tone(kSteady, {11, 9, 6}, PipeWave({1.0, 0.15, 0.06, 0.02}, 100, 0.05, 0.5, seed), 0.9);
        case 73: return Tone({12, 0, 0, 0}, {11, 8, 6}, PipeWave({1.0, 0.3, 0.12, 0.05, 0.02}, 96, 0.06, 0.6, seed), 0.95);
        case 74: return Tone(kSteady, {}, PipeWave({1.0, 0.1, 0.2, 0.04, 0.05}, 96, 0.04, 0.8, seed), 0.95);
        case 75: return Tone({12, 0, 0, 0}, {11, 7, 8}, PipeWave({1.0, 0.15, 0.08, 0.03}, 96, 0.12, 1.0, seed), 0.95);
        case 76: return Tone({11, 0, 0, 0}, {}, PipeWave({1.0, 0.06, 0.03}, 90, 0.2, 0.8, seed), 1.0);
        case 77:  // shakuhachi: much breath, a strong chiff
            return Tone({12, 0, 0, 0}, {12, 6, 8}, PipeWave({1.0, 0.3, 0.15, 0.06}, 90, 0.14, 1.3, seed), 0.95);
        case 78: return Tone({14, 0, 0, 0}, {11, 10, 4}, PipeWave({1.0, 0.04}, 100, 0.02, 0.2, seed), 0.85);
        default:  // 79 ocarina
            return Tone(kSteady, {11, 8, 8}, PipeWave({1.0, 0.05, 0.1, 0.02}, 96, 0.04, 0.4, seed), 0.95);
    }
}
// clang-format on
