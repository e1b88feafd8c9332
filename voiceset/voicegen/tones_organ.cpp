// Organs, accordions and the harmonica (programs 16..23): they sustain at full level for as
// long as the key is held. Pipes and reeds speak with a short chiff or key click in the
// opening part; the reed instruments beat between their detuned reeds in a long loop.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

// Sine drawbars at the harmonics 1 (8'), 2 (4'), 3 (2 2/3'), 4 (2'), 5, 6 and 8.
HarmonicShape Drawbars(std::vector<std::pair<int, double>> bars) {
    return [=](int h) {
        for (const auto& [harmonic, level] : bars) {
            if (harmonic == h) return level;
        }
        return 0.0;
    };
}

ToneDesign Drawbar() {
    WaveRecipe r;
    r.loop = Drawbars({{1, 1.0}, {2, 0.75}, {3, 0.55}, {4, 0.35}, {6, 0.2}, {8, 0.22}});
    r.topKey = 90;
    r.attackCycles = 6;
    r.noise = 0.4;  // the key click
    r.noiseDecay = 0.5;
    r.noiseLow = 6;
    r.noiseHigh = 28;
    return Tone({14, 0, 0, 0}, {}, MakeWave(r, 216), 0.85);
}

ToneDesign PercussiveOrgan() {
    WaveRecipe r;
    r.loop = Drawbars({{1, 1.0}, {2, 0.6}, {4, 0.3}});
    r.topKey = 90;
    r.attackCycles = 64;
    r.brighten = Drawbars({{3, 0.15}, {6, 0.05}});  // the percussion: a decaying third harmonic
    r.brightDecay = 20;
    r.noise = 0.3;
    r.noiseDecay = 0.5;
    r.noiseLow = 6;
    return Tone({15, 0, 0, 0}, {}, MakeWave(r, 217), 0.55);
}

ToneDesign RockOrgan() {
    WaveRecipe r;
    // All the low drawbars out and a little overdrive: harmonics 1..4 strong, the rest from
    // the clipping.
    r.loop = [](int h) { return h <= 4 ? 1.0 - 0.1 * h : h <= 8 ? 0.25 / h : 0.4 / (h * h); };
    r.topKey = 88;
    r.attackCycles = 6;
    r.noise = 0.4;
    r.noiseDecay = 0.5;
    r.noiseLow = 6;
    return Tone({15, 0, 0, 0}, {2, 10, 0}, MakeWave(r, 218), 0.85);  // the rotating horn
}

ToneDesign ChurchOrgan() {
    WaveRecipe r;
    // Principal pipes with a mixture: a full series falling gently, octaves reinforced.
    r.loop = [](int h) {
        const bool octave = h == 1 || h == 2 || h == 4 || h == 8 || h == 16;
        return (octave ? 1.0 : 0.55) / std::pow(h, 0.8);
    };
    r.topKey = 88;
    r.attackCycles = 24;
    r.loopCycles = 128;
    r.detune = {{1, 0.3}};  // a second rank a little sharp: the sound of a large room
    r.noise = 0.45;         // the chiff of the pipes
    r.noiseDecay = 3;
    r.noiseLow = 2;
    r.noiseHigh = 16;
    return Tone({12, 0, 0, 0}, {}, MakeWave(r, 219), 0.85);
}

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign Reed(int program) {
    WaveRecipe r;
    r.topKey = 88;
    r.attackCycles = 12;
    r.noise = 0.3;
    r.noiseDecay = 2;
    r.noiseLow = 2;
    r.noiseHigh = 20;
    ToneModulation modulation;
    double loudness = 0.85;
    switch (program) {
        case 20:  // reed organ: free reeds, soft and hollow
            r.loop = [](int h) { return OddHeavy(h, 0.45) * (1.0 + Peak(h, 3, 0.8)); };
            r.loopCycles = 1;
            break;
        case 21:  // accordion: two reeds a little apart (musette)
            r.loop = [](int h) { return Saw(h) * (0.6 + Peak(h, 5, 0.9)); };
            r.loopCycles = 128;
            r.detune = {{1, 0.75}};
            loudness = 0.85;
            break;
        case 22:  // harmonica: a bright reed in the mouth, breathy, bent by the hand
            r.loop = [](int h) { return OddHeavy(h, 0.6) * (0.5 + 1.3 * Peak(h, 4, 0.7)); };
            r.loopCycles = 32;
            r.loopNoise = 0.06;
            r.loopNoiseLow = 2;
            r.loopNoiseHigh = 16;
            r.noise = 0.5;
            modulation = {11, 8, 6};
            loudness = 0.85;
            break;
        default:  // 23 tango accordion: darker, the reeds beating slower
            r.loop = [](int h) { return Saw(h) * (0.7 + 0.8 * Peak(h, 3, 0.8)) * Tilt(h, -2); };
            r.loopCycles = 128;
            r.detune = {{-1, 0.5}};
            break;
    }
    return Tone({13, 0, 0, 0}, modulation, MakeWave(r, 200 + program), loudness);
}

}  // namespace

ToneDesign OrganTone(int program) {
    switch (program) {
        case 16: return Drawbar();
        case 17: return PercussiveOrgan();
        case 18: return RockOrgan();
        case 19: return ChurchOrgan();
        default: return Reed(program);
    }
}
// clang-format on
