// Ethnic instruments and pitched percussion (programs 104..119). Plucked strings decay, the
// bagpipe and the double reeds sustain; bells, steel drums, wood and drums carry their
// inharmonic modes and strike noise in the opening part.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

struct Struck {
    HarmonicShape loop;
    std::vector<std::pair<double, double>> modes;
    double modeDecay, noise, noiseDecay, noiseLow, noiseHigh, topKey;
    int attackCycles;
    HarmonicShape brighten = {};
};

Wave StruckWave(const Struck& s, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = s.loop;
    r.topKey = s.topKey;
    r.attackCycles = s.attackCycles;
    r.modes = s.modes;
    r.modeDecay = s.modeDecay;
    r.noise = s.noise;
    r.noiseDecay = s.noiseDecay;
    r.noiseLow = s.noiseLow;
    r.noiseHigh = s.noiseHigh;
    if (s.brighten) {
        r.brighten = s.brighten;
        r.brightDecay = s.attackCycles / 4.0;
    }
    return MakeWave(r, seed);
}

// A drum: the head's modes start sharp and fall onto their pitch (bend 0: a block of wood that
// does not), the strike's noise, and a buzz of looped noise over the fundamental that the
// envelope cuts short.
struct Drum {
    HarmonicShape loop;
    std::vector<std::pair<double, double>> modes;
    double bend, modeDecay, body, strike;
    int attackCycles;
    double topKey;
};

Wave DrumWave(const Drum& d, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = d.loop;
    r.topKey = d.topKey;
    r.attackCycles = d.attackCycles;
    r.loopNoise = d.body;
    r.loopNoiseLow = 2;
    r.loopNoiseHigh = 24;
    r.modes = d.modes;
    r.modeDecay = d.modeDecay;
    r.modeBend = d.bend;
    r.modeBendCycles = d.attackCycles / 4.0;
    r.noise = d.strike;
    r.noiseDecay = 1;
    r.noiseLow = 1;
    r.noiseHigh = 16;
    return MakeWave(r, seed);
}

HarmonicShape Harmonics(std::vector<double> levels) {
    return [=](int h) { return h <= static_cast<int>(levels.size()) ? levels[h - 1] : 0.0; };
}

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign Ethnic(int program, std::uint32_t seed) {
    switch (program) {
        case 104:  // sitar: the bridge makes the string buzz, a bright moving top
            return Tone({15, 11, 1, 12}, {}, StruckWave({[](int h) { return Plucked(h, 0.08, 0.7) * (0.6 + Peak(h, 9, 0.6)); }, {{10.5, 0.3}, {12.5, 0.2}}, 16, 0.3, 0.6, 6, 28, 84, 48, [](int h) { return h > 4 ? 0.5 / std::sqrt(h) : 0.0; }}, seed), 0.85);
        case 105:  // banjo: a drum head under the bridge, twangy and short
            return Tone({15, 14, 6, 14}, {}, StruckWave({[](int h) { return Plucked(h, 0.1, 1.0) * (0.7 + Peak(h, 5, 0.7)); }, {}, 8, 0.45, 0.6, 5, 28, 86, 16, [](int h) { return h > 2 ? 0.5 / h : 0.0; }}, seed), 1.25);
        case 106:  // shamisen: a skin body, a slapped plectrum
            return Tone({15, 11, 1, 14}, {}, StruckWave({[](int h) { return Plucked(h, 0.09, 0.9) * (0.7 + Peak(h, 7, 0.6)); }, {{1.5, 0.2}}, 4, 0.6, 0.5, 3, 24, 84, 16}, seed), 1.25);
        case 107:  // koto
            return Tone({15, 12, 5, 12}, {}, StruckWave({[](int h) { return Plucked(h, 0.18, 1.3); }, {}, 8, 0.25, 0.6, 4, 24, 88, 24, [](int h) { return h > 1 ? 0.5 / h : 0.0; }}, seed), 1.6);
        case 108:  // kalimba: a thumb on a metal tine
            return Tone({15, 14, 12, 15}, {}, StruckWave({Harmonics({1.0, 0.05, 0.03}), {{5.9, 0.4}, {2.9, 0.1}}, 6, 0.2, 0.5, 1, 10, 96, 24}, seed), 1.0);
        case 109: {  // bagpipe: a loud chanter reed, bright and constant
            WaveRecipe r;
            r.loop = [](int h) { return (0.3 + Peak(h, 5, 1.0)) / std::pow(h, 0.4); };
            r.topKey = 84;
            r.attackCycles = 8;
            r.noise = 0.2;
            return Tone({14, 0, 0, 0}, {}, MakeWave(r, seed), 0.8);
        }
        case 110: {  // fiddle: a brighter, rougher violin
            WaveRecipe r;
            r.loop = [](int h) { return Saw(h) * (0.6 + 0.8 * Peak(h, 5, 0.7)); };
            r.topKey = 86;
            r.attackCycles = 16;
            r.loopCycles = 16;
            r.loopNoise = 0.06;
            r.loopNoiseLow = 3;
            r.noise = 0.6;
            r.noiseDecay = 4;
            r.noiseLow = 3;
            return Tone({13, 0, 0, 0}, {11, 9, 3}, MakeWave(r, seed), 0.9);
        }
        default: {  // 111 shanai: a double reed, nasal and piercing
            WaveRecipe r;
            r.loop = [](int h) { return (h == 1 ? 0.5 : 1.0) * Peak(h, 4.5, 1.0) + 0.03; };
            r.topKey = 88;
            r.attackCycles = 16;
            r.noise = 0.3;
            r.noiseDecay = 3;
            return Tone({13, 0, 0, 0}, {11, 8, 4}, MakeWave(r, seed), 0.85);
        }
    }
}

ToneDesign Percussive(int program, std::uint32_t seed) {
    switch (program) {
        case 112:  // tinkle bell
            return Tone({15, 14, 6, 14}, {}, StruckWave({Harmonics({1.0, 0.2}), {{2.41, 0.5}, {3.9, 0.35}, {5.6, 0.25}, {8.1, 0.15}}, 24, 0.15, 0.5, 6, 28, 100, 64}, seed), 0.95);
        case 113:  // agogo: a cone bell whose ring is an octave over its note
            return Tone({15, 14, 12, 15}, {}, StruckWave({Harmonics({0.35, 1.0, 0.3, 0.15, 0.15}), {{2.33, 2.0}, {3.72, 1.2}, {5.2, 0.8}}, 12, 0.5, 0.5, 4, 28, 96, 32}, seed), 0.9);
        case 114:  // steel drums: the note tuned with its octave and twelfth
            return Tone({15, 13, 1, 14}, {}, StruckWave({Harmonics({1.0, 0.6, 0.35, 0.1}), {{1.52, 0.25}, {2.9, 0.2}}, 8, 0.3, 0.8, 1, 12, 90, 24, [](int h) { return h == 2 ? 0.4 : h == 3 ? 0.3 : 0.0; }}, seed), 0.95);
        case 115:  // woodblock: a hollow knock, over before it has a pitch
            return Tone({15, 13, 14, 1}, {}, DrumWave({Harmonics({1.0, 0.0, 0.15}), {{2.72, 0.6}, {4.4, 0.3}}, 0, 4, 0.6, 0.6, 16, 96}, seed), 1.5);
        case 116:  // taiko: a big head struck hard, its pitch sinking as it rings
            return Tone({15, 12, 3, 14}, {}, DrumWave({Harmonics({1.0, 0.25, 0.08}), {{1.0, 1.0}, {1.59, 0.6}, {2.14, 0.4}, {2.65, 0.3}}, 0.25, 12, 0.3, 1.2, 32, 60}, seed), 1.3);
        case 117:  // melodic tom: the head drops onto its pitch
            return Tone({15, 14, 9, 15}, {}, DrumWave({Harmonics({1.0, 0.2, 0.05}), {{1.0, 1.0}, {1.5, 0.5}, {1.98, 0.3}}, 0.4, 10, 0.35, 0.6, 32, 72}, seed), 1.3);
        case 118:  // synth drum: a sine swept down an octave onto the note
            return Tone({15, 14, 3, 14}, {}, DrumWave({Harmonics({1.0, 0.1}), {{1.0, 1.2}}, 1.0, 16, 0.2, 0.3, 32, 72}, seed), 2.2);
        default: {  // 119 reverse cymbal: noise that swells until the note stops
            WaveRecipe r;
            r.loop = Harmonics({1.0, 0.3, 0.2});
            r.topKey = 84;
            r.attackCycles = 4;
            r.loopCycles = 64;
            r.loopNoise = 0.45;
            r.loopNoiseLow = 6;
            r.loopNoiseHigh = 28;
            return Tone({0, 0, 0, 0}, {}, MakeWave(r, seed), 0.9);
        }
    }
}
// clang-format on

}  // namespace

ToneDesign WorldTone(int program) {
    const std::uint32_t seed = 1000 + program;
    return program < 112 ? Ethnic(program, seed) : Percussive(program, seed);
}
