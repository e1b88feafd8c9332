// Synthesizer leads, pads and effects (programs 80..103). Leads sustain at once; pads attack
// slowly and move: their long loops carry detuned oscillators and timbres that sweep with the
// loop; the effects mix a struck or plucked opening with a pad.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

Wave Lead(const HarmonicShape& shape, double topKey, int loopCycles, double chiff,
          std::uint32_t seed) {
    WaveRecipe r;
    r.loop = shape;
    r.topKey = topKey;
    r.attackCycles = 12;
    r.loopCycles = loopCycles;
    if (loopCycles > 1) r.detune = {{1, 0.35}};
    r.noise = chiff;
    r.noiseDecay = 3;
    r.noiseLow = 2;
    return MakeWave(r, seed);
}

// A pad: detuned oscillators, and optionally a resonance that sweeps up and down the series once
// per loop, between `fromRatio` and `toRatio`.
struct PadShape {
    HarmonicShape shape;
    double topKey = 84;
    double sweepFrom = 0, sweepTo = 0;  // no sweep when equal
    double detune = 0.6;
    double air = 0.0;  // looped noise
};

Wave Pad(const PadShape& pad, int attackCycles, const std::vector<std::pair<double, double>>& bell,
         std::uint32_t seed) {
    Wave wave = NewWave(attackCycles, 128);
    Partials partials = LoopSeries(pad.shape, pad.topKey, seed);
    double power = 0;
    for (const Partial& p : partials) power += p.amp * p.amp / 2;
    for (Partial& p : partials) p.amp /= std::sqrt(power * (1 + 2 * pad.detune * pad.detune));
    if (pad.sweepFrom == pad.sweepTo) {
        AddSteady(wave, partials);
    } else {
        const double from = pad.sweepFrom, to = pad.sweepTo;
        AddMoving(wave, partials, [=](double ratio, double position) {
            const double centre =
                from * std::pow(to / from, 0.5 - 0.5 * std::cos(2.0 * kPi * position));
            return 0.5 + 1.2 * Peak(ratio, centre, 0.5);
        });
    }
    AddDetuned(wave, partials, {{-1, pad.detune}, {1, pad.detune}}, seed + 1);
    if (pad.air > 0) AddLoopNoise(wave, pad.air, 2, 24, seed + 2);
    if (!bell.empty()) AddFading(wave, Modes(bell, pad.topKey + 5, seed + 3), attackCycles / 4.0);
    return wave;
}

// Repeats that fade: the level swells back and dies away twice per loop.
std::function<double(double)> Echoes(int attackCycles) {
    return [=](double t) {
        const double inRepeat = std::fmod(std::fmod(t - attackCycles, 64.0) + 64.0, 64.0);
        return 0.35 + 0.65 * (1.0 - std::exp(-inRepeat / 0.5)) * std::exp(-inRepeat / 10.0);
    };
}

HarmonicShape Soft(double tilt) {
    return [=](int h) { return Saw(h) * Tilt(h, tilt); };
}

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign LeadTone(int program, std::uint32_t seed) {
    switch (program) {
        case 80: return Tone({15, 0, 0, 0}, {11, 8, 10}, Lead([](int h) { return OddHeavy(h, 0.0); }, 88, 1, 0, seed), 0.8);
        case 81: return Tone({15, 0, 0, 0}, {11, 8, 10}, Lead(Saw, 88, 64, 0, seed), 0.85);
        case 82:  // calliope: steam through a pipe
            return Tone({14, 0, 0, 0}, {11, 9, 4}, Lead([](int h) { return h == 1 ? 1.0 : h == 2 ? 0.5 : h == 3 ? 0.25 : 0.05 / h; }, 96, 1, 0.6, seed), 0.95);
        case 83:  // chiff: a pulse with a breathy start
            return Tone({15, 9, 0, 4}, {11, 8, 10}, Lead([](int h) { return Plucked(h, 0.3, 1.0); }, 90, 1, 1.0, seed), 0.85);
        case 84:  // charang: a bright, driven string
            return Tone({15, 8, 0, 4}, {11, 8, 10}, Lead([](int h) { return Saw(h) * (0.7 + Peak(h, 6, 0.7)); }, 84, 64, 0.3, seed), 0.8);
        case 85:  // voice: a sung vowel on an oscillator
            return Tone({13, 0, 0, 0}, {11, 8, 6}, Lead([](int h) { return Vowel(h, {{2.5, 1.0}, {4.0, 0.5}}, 0.9); }, 88, 64, 0.2, seed), 0.95);
        case 86:  // fifths: the twelfth and the octave over the root
            return Tone({15, 0, 0, 0}, {}, Lead([](int h) { return h == 1 ? 1.0 : h == 2 ? 0.5 : h == 3 ? 0.8 : h == 6 ? 0.3 : Saw(h) * 0.3; }, 86, 1, 0, seed), 0.85);
        default:  // 87 bass and lead: a square under a sawtooth
            return Tone({15, 8, 0, 4}, {}, Lead([](int h) { return Saw(h) + OddHeavy(h, 0.0) * (h == 1 ? 1.0 : 0.4); }, 84, 1, 0, seed), 0.85);
    }
}

ToneDesign PadTone(int program, std::uint32_t seed) {
    switch (program) {
        case 88:  // new age: a bell over a warm pad
            return Tone({13, 8, 0, 5}, {}, Pad({Soft(-4)}, 48, {{2.0, 0.6}, {3.5, 0.4}, {5.4, 0.3}, {7.0, 0.15}}, seed), 0.95);
        case 89: return Tone({7, 0, 0, 0}, {11, 6, 10}, Pad({Soft(-7), 84, 0, 0, 0.7}, 8, {}, seed), 1.0);
        case 90: return Tone({13, 8, 0, 3}, {}, Pad({Soft(-2)}, 8, {}, seed), 0.85);
        case 91: return Tone({6, 0, 0, 0}, {11, 7, 10}, Pad({[](int h) { return Vowel(h, {{2.6, 1.0}, {4.2, 0.6}, {9.0, 0.2}}, 1.1); }, 84, 0, 0, 0.7, 0.05}, 8, {}, seed), 1.0);
        case 92:  // bowed: glassy, the harmonics swelling in turn
            return Tone({5, 0, 0, 0}, {}, Pad({[](int h) { return std::pow(h, -1.3); }, 88, 1.5, 6, 0.4}, 8, {}, seed), 1.0);
        case 93:  // metallic
            return Tone({9, 0, 0, 0}, {}, Pad({[](int h) { return (h % 3 == 0 ? 1.0 : 0.5) / std::sqrt(h); }, 84, 4, 12, 0.8}, 16, {{2.41, 0.3}, {4.7, 0.2}}, seed), 0.85);
        case 94:  // halo: a choir of "ooh" with a bright shimmer
            return Tone({6, 0, 0, 0}, {11, 6, 10}, Pad({[](int h) { return Vowel(h, {{1.2, 1.0}, {8.0, 0.3}}, 1.2); }, 90, 0, 0, 0.7, 0.03}, 8, {}, seed), 1.0);
        default:  // 95 sweep: a resonance sweeping up and down
            return Tone({8, 0, 0, 0}, {}, Pad({Soft(-1), 84, 2, 14, 0.5}, 8, {}, seed), 0.9);
    }
}

ToneDesign EffectPad(int program, std::uint32_t seed) {
    switch (program) {
        case 96:  // rain: droplets of bells on a soft pad
            return Tone({15, 9, 1, 8}, {}, Pad({Soft(-8), 90, 0, 0, 0.5}, 48, {{3.0, 0.5}, {4.9, 0.4}, {7.3, 0.3}, {11.2, 0.2}}, seed), 1.0);
        case 97: return Tone({6, 0, 0, 0}, {11, 5, 12}, Pad({Soft(-3), 84, 1.5, 5, 0.6}, 8, {}, seed), 0.95);
        case 98:  // crystal
            return Tone({15, 7, 1, 8}, {}, Pad({[](int h) { return h == 1 ? 1.0 : h == 2 ? 0.3 : h == 4 ? 0.2 : 0.0; }, 96, 0, 0, 0.3}, 64, {{2.76, 0.7}, {5.4, 0.5}, {8.93, 0.35}, {13.3, 0.2}}, seed), 0.95);
        case 99:  // atmosphere: a plucked string in a haze
            return Tone({15, 6, 0, 6}, {}, Pad({Soft(-5), 84, 0, 0, 0.5, 0.04}, 32, {{2.0, 0.6}, {3.0, 0.4}, {4.0, 0.3}, {6.0, 0.2}}, seed), 0.95);
        case 100:  // brightness
            return Tone({12, 0, 0, 0}, {11, 7, 8}, Pad({Soft(0), 88, 0, 0, 0.5}, 8, {}, seed), 0.8);
        case 101:  // goblins: a low murmur with a formant wandering
            return Tone({4, 0, 0, 0}, {11, 4, 4}, Pad({Soft(-3), 80, 1.5, 9, 0.6, 0.05}, 8, {}, seed), 0.95);
        case 102: {  // echoes: a pluck whose repeats fade in the loop
            Wave wave = Pad({Soft(-4), 84, 0, 0, 0.6}, 32, {{2.0, 0.5}, {3.0, 0.3}}, seed);
            Envelope(wave, Echoes(wave.attackCycles));
            return Tone({15, 6, 0, 4}, {}, wave, 0.95);
        }
        default:  // 103 sci-fi
            return Tone({10, 0, 0, 0}, {3, 5, 4}, Pad({[](int h) { return (h % 2 ? 1.0 : 0.3) / h; }, 86, 6, 16, 0.5}, 8, {}, seed), 0.9);
    }
}
// clang-format on

}  // namespace

ToneDesign SynthTone(int program) {
    const std::uint32_t seed = 800 + program;
    if (program < 88) return LeadTone(program, seed);
    if (program < 96) return PadTone(program, seed);
    return EffectPad(program, seed);
}
