// Pianos and chromatic percussion (programs 0..15): struck strings, tines, bars and bells. All
// decay; their openings carry the hammer or mallet (a thump of noise, extra brightness) and the
// inharmonic modes of bars and bells, which die before the loop.
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

// A hammered string: the hammer strikes near an eighth of the length and leaves that harmonic
// weak; bright adds treble.
double Hammered(int h, double bright) {
    return Plucked(h, 0.12, 1.25 - 0.35 * bright) * (h == 1 ? 1.3 : 1.0);
}

// Stretched partials of a stiff string, only in the opening part.
std::vector<std::pair<double, double>> StiffString(double level) {
    std::vector<std::pair<double, double>> modes;
    for (int h = 3; h <= 12; ++h) {
        modes.push_back({h * std::sqrt(1.0 + 0.0006 * h * h), level / h});
    }
    return modes;
}

ToneDesign Piano(int program) {
    const double bright = program == 1 ? 1.0 : 0.0;
    WaveRecipe r;
    r.loop = [=](int h) { return Hammered(h, bright) * (h > 6 ? 0.7 : 1.0); };
    r.topKey = 86;
    r.attackCycles = 48;
    r.loopCycles = 128;
    r.detune = {{1, 0.22}};  // the second string of the unison, a slow beat
    r.brighten = [=](int h) { return h == 1 ? 0.0 : (0.6 + bright) * Hammered(h, 1.0); };
    r.brightDecay = 14;
    r.modes = StiffString(0.25);
    r.modeDecay = 10;
    r.noise = 0.35;
    r.noiseDecay = 1.5;
    r.noiseLow = 0.5;
    r.noiseHigh = 6;
    // The piano is in most songs, often in full chords: a little below the others.
    return Tone({15, 11, 1, 7}, {}, MakeWave(r, 100 + program), 0.9);
}

ToneDesign ElectricGrand() {
    WaveRecipe r;
    r.loop = [](int h) { return Plucked(h, 0.15, 1.3) * (h == 2 ? 1.6 : 1.0); };
    r.topKey = 86;
    r.attackCycles = 32;
    r.brighten = [](int h) { return h >= 3 ? 1.2 / h : 0.0; };
    r.brightDecay = 10;
    r.modes = StiffString(0.2);
    r.noise = 0.2;
    r.noiseLow = 1;
    r.noiseHigh = 10;
    return Tone({15, 10, 2, 8}, {}, MakeWave(r, 102), 0.9);
}

ToneDesign HonkyTonk() {
    WaveRecipe r;
    r.loop = [](int h) { return Hammered(h, 0.5); };
    r.topKey = 86;
    r.attackCycles = 32;
    r.loopCycles = 128;
    r.detune = {{-1, 0.55}, {1, 0.55}};  // three strings out of tune with each other
    r.brighten = [](int h) { return h == 1 ? 0.0 : Hammered(h, 1.0); };
    r.brightDecay = 12;
    r.noise = 0.3;
    r.noiseDecay = 1.5;
    r.noiseHigh = 6;
    return Tone({15, 13, 4, 11}, {}, MakeWave(r, 103), 0.9);
}

// A tine or reed struck by a hammer: almost a sine, with a metallic ping at the start.
ToneDesign ElectricPiano(int program) {
    const bool second = program == 5;
    WaveRecipe r;
    r.loop = second ? HarmonicShape([](int h) {
        return h == 1 ? 1.0 : h == 2 ? 0.45 : h == 3 ? 0.2 : 0.12 / h;
    })
                    : HarmonicShape([](int h) {
                          return h == 1 ? 1.0 : h == 2 ? 0.3 : h == 3 ? 0.12 : 0.03 / h;
                      });
    r.topKey = 90;
    r.attackCycles = 40;
    r.brighten = [=](int h) { return h == 2 ? 0.4 : h == 3 ? 0.3 : 0.0; };
    r.brightDecay = 12;
    r.modes = second ? std::vector<std::pair<double, double>>{{14.0, 0.35}, {9.0, 0.3}, {5.0, 0.2}}
                     : std::vector<std::pair<double, double>>{{7.1, 0.45}, {11.3, 0.15}};
    r.modeDecay = second ? 8 : 4;
    r.noise = 0.1;
    r.noiseLow = 0.5;
    r.noiseHigh = 4;
    return Tone({15, second ? 10 : 9, 1, 8}, {}, MakeWave(r, 100 + program), second ? 0.95 : 1.05);
}

ToneDesign Harpsichord() {
    WaveRecipe r;
    r.loop = [](int h) { return Plucked(h, 0.09, 0.75); };
    r.topKey = 84;
    r.attackCycles = 16;
    r.brighten = [](int h) { return h > 3 ? 0.6 / std::sqrt(h) : 0.0; };
    r.brightDecay = 6;
    r.noise = 0.3;
    r.noiseDecay = 0.6;
    r.noiseLow = 8;
    r.noiseHigh = 28;
    return Tone({15, 10, 3, 6}, {}, MakeWave(r, 106), 0.85);
}

ToneDesign Clavi() {
    WaveRecipe r;
    r.loop = [](int h) { return Plucked(h, 0.07, 0.9) * (1.0 + 1.5 * Peak(h, 7, 0.6)); };
    r.topKey = 84;
    r.attackCycles = 8;
    r.brighten = [](int h) { return h > 4 ? 0.5 / h : 0.0; };
    r.brightDecay = 3;
    r.noise = 0.2;
    r.noiseDecay = 0.5;
    r.noiseLow = 6;
    return Tone({15, 12, 6, 8}, {}, MakeWave(r, 107), 1.05);
}

// Bars and bells: the loop keeps the fundamental and the tuned overtones; the opening part
// rings with the untuned modes.
// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign Bar(int program) {
    WaveRecipe r;
    r.topKey = 96;
    r.attackCycles = 48;
    r.noiseLow = 1;
    r.noiseHigh = 12;
    ToneEnvelope envelope{15, 10, 1, 9};
    ToneModulation modulation;
    double loudness = 1.0;
    switch (program) {
        case 8:  // celesta: small steel plates in a resonating box
            r.loop = [](int h) { return h == 1 ? 1.0 : h == 2 ? 0.12 : h == 4 ? 0.05 : 0.0; };
            r.modes = {{2.8, 0.25}, {7.2, 0.12}};
            r.modeDecay = 12;
            r.noise = 0.15;
            r.noiseDecay = 0.7;
            envelope = {15, 12, 4, 12};
            break;
        case 9:  // glockenspiel: steel bars, a bright and long ring
            r.loop = [](int h) { return h == 1 ? 1.0 : h == 3 ? 0.06 : 0.0; };
            r.topKey = 100;
            r.attackCycles = 96;
            r.modes = {{2.76, 0.5}, {5.40, 0.3}, {8.93, 0.15}};
            r.modeDecay = 40;
            r.noise = 0.15;
            r.noiseDecay = 1;
            envelope = {15, 11, 3, 13};
            loudness = 0.9;
            break;
        case 10:  // music box: combed tines
            r.loop = [](int h) { return h == 1 ? 1.0 : h == 2 ? 0.08 : 0.0; };
            r.modes = {{4.2, 0.3}, {6.3, 0.2}, {11.1, 0.08}};
            r.modeDecay = 16;
            r.noise = 0.1;
            r.noiseDecay = 0.5;
            envelope = {15, 13, 2, 11};
            break;
        case 11:  // vibraphone: aluminium bars tuned 1:4, the motor's tremolo
            r.loop = [](int h) { return h == 1 ? 1.0 : h == 4 ? 0.22 : 0.0; };
            r.modes = {{10.0, 0.2}, {2.9, 0.05}};
            r.modeDecay = 16;
            r.noise = 0.12;
            r.noiseDecay = 0.8;
            envelope = {15, 9, 1, 6};
            modulation = {3, 6, 2};
            break;
        case 12:  // marimba: wooden bars tuned 1:4:10 over tube resonators, a soft mallet
            r.loop = [](int h) { return h == 1 ? 1.0 : h == 4 ? 0.1 : h == 2 ? 0.04 : 0.0; };
            r.topKey = 96;
            r.attackCycles = 24;
            r.modes = {{4.0, 0.45}, {9.9, 0.2}};
            r.modeDecay = 5;
            r.noise = 0.35;
            r.noiseDecay = 0.8;
            r.noiseHigh = 6;
            envelope = {15, 13, 4, 14};
            loudness = 1.2;
            break;
        case 13:  // xylophone: hard wood tuned 1:3, short and bright
            r.loop = [](int h) { return h == 1 ? 1.0 : h == 3 ? 0.3 : h == 6 ? 0.08 : 0.0; };
            r.attackCycles = 24;
            // The hard mallet: the bar sounds loudest in the first moments and its ring is short.
            r.brighten = [](int h) { return h == 1 ? 1.5 : h == 3 ? 0.5 : 0.0; };
            r.brightDecay = 12;
            r.modes = {{6.3, 0.3}, {10.6, 0.15}};
            r.modeDecay = 4;
            r.noise = 0.6;
            r.noiseDecay = 0.6;
            r.noiseLow = 3;
            r.noiseHigh = 20;
            envelope = {15, 14, 12, 15};
            loudness = 0.95;  // short, its level is all in the strike: that strike is loud
            break;
        default:  // 14 tubular bells: the strike note is heard from modes near 2:3:4:5 over a weak
            // fundamental (kept loud enough to name the note), under a clangorous strike
            r.loop = [](int h) {
                return h == 1 ? 0.3 : h == 2 ? 0.5 : h == 3 ? 0.8 : h == 4 ? 1.0 : h == 5 ? 0.8 : h == 8 ? 0.3 : 0.0;
            };
            r.topKey = 88;
            r.attackCycles = 64;
            r.modes = {{2.24, 0.4}, {3.58, 0.35}, {5.36, 0.3}, {7.1, 0.2}, {9.3, 0.1}};
            r.modeDecay = 24;
            r.noise = 0.2;
            r.noiseDecay = 1;
            r.noiseLow = 4;
            r.noiseHigh = 24;
            envelope = {15, 8, 1, 14};
            loudness = 0.95;
            break;
    }
    return Tone(envelope, modulation, MakeWave(r, 100 + program), loudness);
}

ToneDesign Dulcimer() {
    WaveRecipe r;
    r.loop = [](int h) { return Plucked(h, 0.1, 1.0); };
    r.topKey = 86;
    r.attackCycles = 32;
    r.loopCycles = 128;
    r.detune = {{1, 0.6}};  // paired strings
    r.brighten = [](int h) { return h > 2 ? 0.8 / h : 0.0; };
    r.brightDecay = 10;
    r.modes = StiffString(0.15);
    r.noise = 0.3;
    r.noiseDecay = 0.7;
    r.noiseLow = 4;
    return Tone({15, 11, 4, 12}, {}, MakeWave(r, 115), 0.95);
}

}  // namespace

ToneDesign KeyboardTone(int program) {
    switch (program) {
        case 0:
        case 1: return Piano(program);
        case 2: return ElectricGrand();
        case 3: return HonkyTonk();
        case 4:
        case 5: return ElectricPiano(program);
        case 6: return Harpsichord();
        case 7: return Clavi();
        case 15: return Dulcimer();
        default: return Bar(program);
    }
}
// clang-format on
