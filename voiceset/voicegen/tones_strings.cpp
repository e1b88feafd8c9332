// Bowed strings, ensembles and voices (programs 40..55): they sustain with vibrato; solo
// strings speak with bow noise, ensembles and choirs attack slowly and beat between their
// detuned players in a long loop. Pizzicato, harp and timpani are struck and decay.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

constexpr ToneModulation kStringVibrato{11, 9, 5};

// A bowed string: a full series shaped by the body's resonances (centres in multiples of the
// key's frequency for the instrument's middle register).
HarmonicShape Bowed(double lowBody, double highBody, double tilt) {
    return [=](int h) {
        return Saw(h) * (0.5 + 0.7 * Peak(h, lowBody, 0.5) + 0.6 * Peak(h, highBody, 0.6)) *
               Tilt(h, tilt);
    };
}

Wave SoloString(const HarmonicShape& shape, double topKey, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = shape;
    r.topKey = topKey;
    r.attackCycles = 24;
    r.loopCycles = 16;
    r.loopNoise = 0.04;  // the bow never stops rubbing
    r.loopNoiseLow = 3;
    r.loopNoiseHigh = 20;
    r.noise = 0.5;
    r.noiseDecay = 6;
    r.noiseLow = 3;
    r.noiseHigh = 24;
    return MakeWave(r, seed);
}

Wave Ensemble(const HarmonicShape& shape, double topKey, double noise, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = shape;
    r.topKey = topKey;
    r.attackCycles = 16;
    r.loopCycles = 128;
    r.detune = {{-1, 0.6}, {1, 0.6}};
    r.loopNoise = noise;
    r.loopNoiseLow = 2;
    r.loopNoiseHigh = 20;
    r.noise = noise * 4;
    r.noiseDecay = 6;
    r.noiseLow = 2;
    return MakeWave(r, seed);
}

// Vowel formants in multiples of the key's frequency, for voices around middle C.
HarmonicShape Sung(std::vector<std::pair<double, double>> formants, double rolloff) {
    return [=](int h) { return ::Vowel(h, formants, rolloff); };
}

Wave Struck(const HarmonicShape& shape, double topKey, double thump, std::uint32_t seed) {
    WaveRecipe r;
    r.loop = shape;
    r.topKey = topKey;
    r.attackCycles = 16;
    r.brighten = [=](int h) { return h > 1 ? 0.4 * shape(h) : 0.0; };
    r.brightDecay = 5;
    r.noise = thump;
    r.noiseDecay = 0.8;
    r.noiseLow = 1;
    r.noiseHigh = 10;
    return MakeWave(r, seed);
}

ToneDesign Timpani() {
    WaveRecipe r;
    r.loop = [](int h) { return h == 1 ? 1.0 : h == 2 ? 0.35 : h == 3 ? 0.12 : 0.0; };
    r.topKey = 64;
    r.attackCycles = 32;
    r.modes = {{1.5, 0.6}, {1.98, 0.3}, {2.44, 0.35}, {2.9, 0.2}, {3.4, 0.15}};
    r.modeDecay = 10;
    r.loopNoise = 0.25;  // the kettle's body under the head's tone
    r.loopNoiseLow = 2;
    r.loopNoiseHigh = 16;
    r.noise = 0.8;
    r.noiseDecay = 1.5;
    r.noiseLow = 0.5;
    r.noiseHigh = 8;
    return Tone({15, 14, 2, 14}, {}, MakeWave(r, 447), 1.15);
}

ToneDesign OrchestraHit() {
    WaveRecipe r;
    r.loop = [](int h) { return Saw(h) * (0.6 + Peak(h, 4, 1.0)); };
    r.topKey = 84;
    r.attackCycles = 32;
    r.loopCycles = 128;
    r.detune = {{-1, 0.5}, {1, 0.5}};
    // The chord and the crack of the whole orchestra at once.
    r.modes = {{1.5, 0.5}, {3.0, 0.3}, {1.26, 0.3}, {2.52, 0.2}};
    r.modeDecay = 12;
    r.noise = 0.7;
    r.noiseDecay = 3;
    r.noiseLow = 2;
    return Tone({15, 12, 9, 12}, {}, MakeWave(r, 455), 1.4);
}

}  // namespace

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign StringTone(int program) {
    const std::uint32_t seed = 400 + program;
    switch (program) {
        case 40: return Tone({12, 0, 0, 0}, kStringVibrato, SoloString(Bowed(1.3, 6.5, -1), 86, seed), 0.9);
        case 41: return Tone({12, 0, 0, 0}, kStringVibrato, SoloString(Bowed(1.6, 5.0, -2), 80, seed), 0.9);
        case 42: return Tone({12, 0, 0, 0}, {11, 8, 5}, SoloString(Bowed(2.5, 6.0, -2), 72, seed), 0.95);
        case 43: return Tone({12, 0, 0, 0}, {11, 7, 6}, SoloString(Bowed(3.0, 8.0, -3), 60, seed), 0.95);
        case 44:  // tremolo: the bow goes back and forth fast
            return Tone({13, 0, 0, 0}, {4, 12, 0}, Ensemble(Bowed(1.5, 6.0, -2), 84, 0.04, seed), 0.95);
        case 45:  // pizzicato: plucked with a finger, the body rings briefly
            return Tone({15, 12, 7, 10}, {}, Struck([](int h) { return Plucked(h, 0.2, 1.7) * (0.6 + Peak(h, 3, 0.6)); }, 84, 0.4, seed), 1.3);
        case 46:  // harp: a soft pluck, a long ring
            return Tone({15, 11, 1, 12}, {}, Struck([](int h) { return Plucked(h, 0.3, 1.9); }, 90, 0.2, seed), 1.05);
        case 47: return Timpani();
        case 48:
            return Tone({11, 0, 0, 0}, {11, 8, 6}, Ensemble(Bowed(1.5, 6.0, -2), 86, 0.03, seed), 0.95);
        case 49:  // slow strings: the same players, bowing in gently
            return Alternate(48, {8, 0, 0, 0}, {11, 8, 8});
        case 50:  // synth strings: sawtooth oscillators in a chorus
            return Tone({11, 0, 0, 0}, {11, 7, 8}, Ensemble([](int h) { return Saw(h) * Tilt(h, -4); }, 84, 0.0, seed), 0.9);
        case 51: return Alternate(50, {9, 0, 0, 0}, {11, 6, 10});
        case 52:  // choir "aah"
            return Tone({10, 0, 0, 0}, {11, 8, 6}, Ensemble(Sung({{2.7, 1.0}, {4.4, 0.7}, {9.9, 0.25}}, 1.0), 84, 0.05, seed), 1.0);
        case 53:  // voices "ooh"
            return Tone({10, 0, 0, 0}, {11, 8, 6}, Ensemble(Sung({{1.15, 1.0}, {3.3, 0.35}}, 1.4), 84, 0.04, seed), 1.05);
        case 54:  // synth voice: a rounded "oo" on a sawtooth, the fundamental on top
            return Tone({11, 0, 0, 0}, {11, 7, 4}, Ensemble(Sung({{1.0, 1.0}, {2.2, 0.35}, {4.0, 0.15}}, 1.0), 84, 0.0, seed), 0.95);
        default: return OrchestraHit();
    }
}
// clang-format on
