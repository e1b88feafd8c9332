// Guitars and basses (programs 24..39): plucked strings that decay, except the overdriven
// guitars, which sustain. The pluck is in the opening part: extra brightness that fades and
// the click of the nail or pick; a slap is a burst of high harmonics.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

// One cycle of a waveform clipped by an amplifier: tanh(drive x) of a plucked string.
HarmonicShape Driven(double drive, double position) {
    const Partials partials = FromCycle(
        [=](double phase) {
            double x = 0;
            for (int h = 1; h <= 12; ++h)
                x += Plucked(h, position, 1.0) * std::sin(2.0 * kPi * h * phase);
            return std::tanh(drive * x) / std::tanh(drive);
        },
        28);
    return [=](int h) {
        // The loudspeaker cabinet takes off the top.
        return partials[h - 1].amp * (h <= 6 ? 1.0 : Tilt(h / 6.0, -7));
    };
}

struct Pluck {
    double position, rolloff, bright, click, topKey;
};

Wave PluckedWave(const Pluck& p, int attackCycles, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = [=](int h) { return Plucked(h, p.position, p.rolloff); };
    r.topKey = p.topKey;
    r.attackCycles = attackCycles;
    r.brighten = [=](int h) {
        return h > 1 ? p.bright * Plucked(h, p.position, p.rolloff - 0.5) : 0.0;
    };
    r.brightDecay = attackCycles / 3.0;
    r.noise = p.click;
    r.noiseDecay = 0.6;
    r.noiseLow = 4;
    r.noiseHigh = 28;
    return MakeWave(r, seed);
}

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign Guitar(int program) {
    const std::uint32_t seed = 300 + program;
    switch (program) {
        case 24:  // nylon: soft fingertips
            return Tone({15, 10, 1, 13}, {}, PluckedWave({0.2, 1.5, 0.6, 0.15, 84}, 32, seed), 1.05);
        case 25:  // steel: bright, a pick
            return Tone({15, 10, 1, 8}, {}, PluckedWave({0.12, 1.15, 0.8, 0.35, 84}, 32, seed), 0.95);
        case 26:  // jazz: the neck pickup, round
            return Tone({15, 9, 1, 7}, {}, PluckedWave({0.25, 1.7, 0.4, 0.15, 84}, 24, seed), 1.05);
        case 27:  // clean: the bridge pickup, some twang
            return Tone({15, 9, 1, 6}, {}, PluckedWave({0.14, 1.2, 0.7, 0.25, 84}, 24, seed), 0.95);
        case 28:  // muted: the clean guitar damped by the palm, a duller string of its own
            return Tone({15, 13, 13, 13}, {}, PluckedWave({0.14, 1.2, 0.7, 0.25, 84}, 24, seed), 0.95);
        case 29: {  // overdriven
            WaveRecipe r;
            r.loop = Driven(3.0, 0.18);
            r.topKey = 79;
            r.attackCycles = 16;
            r.brighten = [](int h) { return h > 2 ? 0.3 / h : 0.0; };
            r.brightDecay = 6;
            r.noise = 0.2;
            r.noiseLow = 3;
            return Tone({15, 7, 0, 3}, {11, 8, 14}, MakeWave(r, seed), 0.85);
        }
        case 30: {  // distortion: clipped hard, all sustain
            WaveRecipe r;
            r.loop = Driven(9.0, 0.15);
            r.topKey = 77;
            r.attackCycles = 16;
            r.noise = 0.25;
            r.noiseLow = 3;
            return Tone({15, 8, 0, 4}, {11, 8, 14}, MakeWave(r, seed), 0.8);
        }
        default: {  // 31 harmonics: a finger over the node at a quarter of the string leaves
            // the fourth harmonic and its multiples; the fundamental stays just enough to carry
            // the note's pitch.
            WaveRecipe r;
            r.loop = [](int h) {
                return h == 1 ? 0.5 : h == 2 ? 0.2 : h == 3 ? 0.25 : h == 4 ? 1.0 : h == 8 ? 0.35 : h == 12 ? 0.4 : 0.03;
            };
            r.topKey = 72;
            r.attackCycles = 24;
            r.modes = {{2.0, 0.2}, {4.0, 0.1}};
            r.modeDecay = 6;
            r.noise = 0.15;
            r.noiseDecay = 0.6;
            r.noiseLow = 2;
            return Tone({15, 1, 0, 1}, {}, MakeWave(r, seed), 1.5);
        }
    }
}

ToneDesign Bass(int program) {
    const std::uint32_t seed = 300 + program;
    switch (program) {
        case 32:  // acoustic (upright): a thump and a round body
            return Tone({15, 14, 1, 11}, {}, PluckedWave({0.25, 1.9, 0.5, 0.35, 64}, 16, seed), 1.15);
        case 33:  // finger
            return Tone({15, 9, 2, 6}, {}, PluckedWave({0.2, 1.55, 0.5, 0.2, 64}, 16, seed), 1.1);
        case 34:  // pick: brighter, a click
            return Tone({15, 10, 2, 6}, {}, PluckedWave({0.12, 1.2, 0.7, 0.45, 64}, 16, seed), 1.0);
        case 35: {  // fretless: a soft, singing middle
            WaveRecipe r;
            r.loop = [](int h) { return Plucked(h, 0.22, 1.5) * (1.0 + 0.8 * Peak(h, 4, 0.6)); };
            r.topKey = 64;
            r.attackCycles = 16;
            r.noise = 0.15;
            return Tone({15, 8, 1, 5}, {11, 7, 10}, MakeWave(r, seed), 1.1);
        }
        case 36:
        case 37: {  // slap: the thumb's pop is a burst of high harmonics; slap 2 is shorter
            WaveRecipe r;
            r.loop = [](int h) { return Plucked(h, 0.15, 1.3); };
            r.topKey = 64;
            r.attackCycles = 24;
            r.brighten = [](int h) { return h > 2 ? 1.2 / std::sqrt(h) : 0.0; };
            r.brightDecay = 5;
            r.noise = 0.5;
            r.noiseDecay = 0.8;
            r.noiseLow = 6;
            if (program == 37) return Tone({15, 13, 1, 12}, {}, MakeWave(r, seed), 1.0);
            return Tone({15, 11, 3, 8}, {}, MakeWave(r, seed), 1.0);
        }
        case 38: {  // synth bass 1: a sawtooth through a resonant filter that closes
            WaveRecipe r;
            r.loop = [](int h) { return Saw(h) * (h <= 3 ? 1.0 : Tilt(h / 3.0, -12)) * (1.0 + 1.2 * Peak(h, 4, 0.4)); };
            r.topKey = 64;
            r.attackCycles = 24;
            r.brighten = [](int h) { return h > 3 ? 1.5 * Saw(h) * Peak(h, 9, 0.7) : 0.0; };
            r.brightDecay = 8;
            return Tone({15, 9, 0, 5}, {}, MakeWave(r, seed), 1.05);
        }
        default: {  // 39 synth bass 2: a square with a snappier filter
            WaveRecipe r;
            r.loop = [](int h) { return OddHeavy(h, 0.25) * (h <= 5 ? 1.0 : Tilt(h / 5.0, -10)); };
            r.topKey = 64;
            r.attackCycles = 16;
            r.brighten = [](int h) { return h > 2 ? 0.9 * OddHeavy(h, 0.3) : 0.0; };
            r.brightDecay = 4;
            return Tone({15, 11, 0, 6}, {}, MakeWave(r, seed), 1.0);
        }
    }
}
// clang-format on

}  // namespace

ToneDesign GuitarTone(int program) { return program < 32 ? Guitar(program) : Bass(program); }
