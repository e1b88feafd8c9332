// Sound effects (programs 120..127): noise and gestures written into long loops, played at
// whatever key the song asks for (lower keys make them slower and darker).
#include <cmath>

#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/tone_kit.h"

namespace {

// A tone that glides along ratio(t) (t in cycles), shaped by gain(t), written sample by sample.
void AddGesture(Wave& wave, const std::function<double(double)>& ratio,
                const std::function<double(double)>& gain) {
    double phase = 0;
    for (std::size_t n = 0; n < wave.samples.size(); ++n) {
        const double t = static_cast<double>(n) / kCycleSamples;
        wave.samples[n] += gain(t) * std::sin(phase);
        phase += 2.0 * kPi * ratio(t) / kCycleSamples;
    }
}

// Position within the loop in cycles (the opening part counts backwards from the loop).
double InLoop(const Wave& wave, double t) {
    const double length = wave.loopCycles;
    return std::fmod(std::fmod(t - wave.attackCycles, length) + length, length);
}

// A smooth bump of the given width centred at `at` (cycles), zero outside.
double Bump(double t, double at, double width) {
    const double x = (t - at) / width;
    return std::fabs(x) >= 1 ? 0.0 : 0.5 + 0.5 * std::cos(kPi * x);
}

ToneDesign FretNoise() {
    Wave wave = NewWave(32, 16);
    // The finger squeaks along a wound string.
    AddGesture(
        wave, [](double t) { return 6.0 + 0.25 * t; },
        [](double t) { return Bump(t, 12, 12) * 0.6; });
    AddAttackNoise(wave, 0.5, 10, 4, 24, 1120);
    AddLoopNoise(wave, 0.05, 2, 20, 1121);
    return Tone({15, 12, 10, 10}, {}, wave, 0.8);
}

ToneDesign BreathNoise() {
    Wave wave = NewWave(8, 64);
    AddLoopNoise(wave, 1.0, 1, 14, 1122, [](double ratio) { return Peak(ratio, 4, 1.2); });
    return Tone({11, 0, 0, 0}, {}, wave, 0.8);
}

ToneDesign Seashore() {
    Wave wave = NewWave(8, 128);
    AddLoopNoise(wave, 1.0, 0.5, 24, 1123, [](double ratio) { return Tilt(ratio, -3); });
    // A wave rolls in and draws back once per loop.
    Envelope(wave, [&](double t) {
        const double x = InLoop(wave, t) / wave.loopCycles;
        return 0.35 + 0.65 * std::pow(std::sin(kPi * x), 2.0);
    });
    return Tone({4, 0, 0, 0}, {2, 0, 0}, wave, 0.9);
}

ToneDesign BirdTweet() {
    Wave wave = NewWave(4, 64);
    // Two quick chirps rising and falling, then a rest.
    const auto inLoop = [&](double t) { return InLoop(wave, t); };
    AddGesture(
        wave,
        [=](double t) {
            const double x = std::fmod(inLoop(t), 16.0) / 16.0;
            return 3.0 + 1.5 * std::sin(kPi * x);
        },
        [=](double t) {
            const double x = inLoop(t);
            return Bump(x, 8, 7) + 0.8 * Bump(x, 26, 7);
        });
    return Tone({15, 0, 0, 0}, {11, 12, 0}, wave, 0.8);
}

ToneDesign TelephoneRing() {
    Wave wave = NewWave(4, 32);
    // Two tones a third apart, switched on and off by the bell's hammer.
    const auto gate = [&](double t) {
        const double x = std::fmod(InLoop(wave, t), 16.0);
        return Bump(x, 8, 8);
    };
    Partials tones{{4.0, 0.7, 0}, {5.0, 0.5, 1.0}, {8.0, 0.15, 2.0}};
    AddMoving(wave, tones, [&](double, double position) {
        return gate(position * wave.loopCycles + wave.attackCycles);
    });
    return Tone({15, 0, 0, 0}, {}, wave, 0.8);
}

ToneDesign Helicopter() {
    Wave wave = NewWave(4, 16);
    AddLoopNoise(wave, 1.0, 0.25, 12, 1125, [](double ratio) { return Tilt(ratio, -4); });
    // The rotor chops the air once per loop.
    Envelope(wave, [&](double t) { return 0.25 + Bump(InLoop(wave, t), 5, 5); });
    return Tone({8, 0, 0, 0}, {}, wave, 0.9);
}

ToneDesign Applause() {
    Wave wave = NewWave(4, 128);
    Noise noise = NoiseWithSeed(1126);
    // Many hands: claps at random places in the loop.
    std::vector<double> claps;
    for (int i = 0; i < 90; ++i) claps.push_back(NextUnit(noise) * wave.loopCycles);
    AddLoopNoise(wave, 1.0, 3, 24, 1127, [](double ratio) { return Peak(ratio, 10, 1.2); });
    Envelope(wave, [&](double t) {
        const double x = InLoop(wave, t);
        double level = 0.2;
        for (double at : claps)
            level += Bump(x, at, 0.6) + Bump(x, at + wave.loopCycles, 0.6) +
                     Bump(x, at - wave.loopCycles, 0.6);
        return level;
    });
    return Tone({6, 0, 0, 0}, {}, wave, 0.8);
}

ToneDesign Gunshot() {
    Wave wave = NewWave(96, 8);
    AddAttackNoise(wave, 3.0, 14, 0.3, 24, 1128);
    AddFading(wave, Partials{{0.5, 1.0, 0}, {0.75, 0.6, 1}}, 20);
    AddLoopNoise(wave, 0.08, 0.25, 4, 1129);
    return Tone({15, 13, 11, 12}, {}, wave, 0.9);
}

}  // namespace

// One design a line, so that the programs read as a table:
// clang-format off
ToneDesign EffectTone(int program) {
    switch (program) {
        case 120: return FretNoise();
        case 121: return BreathNoise();
        case 122: return Seashore();
        case 123: return BirdTweet();
        case 124: return TelephoneRing();
        case 125: return Helicopter();
        case 126: return Applause();
        default: return Gunshot();
    }
}
// clang-format on
