// Hand percussion: bursts of noise (clap, shakers, scrapers), struck wood, and the pitched
// whistles and friction drums.
#include <algorithm>
#include <cmath>

#include "voiceset/voicegen/drum_kit.h"

namespace {

Sound Clap(std::uint32_t seed) {
    Sound s = NewSound(0.3);
    // Several hands a few milliseconds apart, then the room.
    const double starts[] = {0.0, 0.009, 0.019, 0.026};
    for (int i = 0; i < 4; ++i) {
        AddNoise(s, seed + i, {BandPass(Hz(1150), 1.1)}, i == 3 ? 1.0 : 0.8, Decay(0.007, 0.0005),
                 starts[i]);
    }
    AddNoise(s, seed + 8, {BandPass(Hz(1300), 0.9)}, 0.45, Decay(0.07, 0.002), 0.026);
    return s;
}

Sound Shaker(double decay, double attack, double lowHz, double length, std::uint32_t seed) {
    Sound s = NewSound(length);
    AddNoise(s, seed, {HighPass(Hz(lowHz), 0.8), LowPass(Hz(10000), 0.7)}, 1.0,
             Decay(decay, attack));
    return s;
}

// Strokes of a stick over ridges: one short band of noise per ridge.
Sound Guiro(int ridges, double rate, std::uint32_t seed) {
    Sound s = NewSound(ridges / rate + 0.06);
    for (int i = 0; i < ridges; ++i) {
        const double level = 0.6 + 0.4 * std::sin(kPi * (i + 0.5) / ridges);
        AddNoise(s, seed + i, {BandPass(Hz(2800), 1.5)}, level, Decay(0.004, 0.001), i / rate);
    }
    return s;
}

// A block of hard wood: a few modes that die within a tenth of a second, and the stick's knock.
Sound Wood(const std::vector<DrumMode>& modes, double knockHz, std::uint32_t seed) {
    Sound s = NewSound(0.25);
    AddModes(s, modes, 0.0005);
    AddNoise(s, seed, {BandPass(Hz(knockHz), 1.0)}, 0.3, Decay(0.003));
    return s;
}

// A pea whistle: a high tone warbling as the pea spins, blown hard at first, with its
// overtones and some breath.
Sound Whistle(double hz, double length, std::uint32_t seed) {
    Sound s = NewSound(length);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = n / kDrumRate;
        const double warble = 1.0 + 0.04 * std::sin(2.0 * kPi * 38 * t);
        const double gain = std::min(1.0, t / 0.008) * std::min(1.0, (length - t) / 0.03) *
                            (0.6 + 0.4 * std::exp(-t / (length * 0.3)));
        s[n] += gain * (std::sin(phase) + 0.08 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase));
        phase += 2.0 * kPi * hz * warble / kDrumRate;
    }
    AddNoise(s, seed, {BandPass(Hz(hz * 0.8), 1.5)}, 0.12,
             [=](double t) { return t < length - 0.03 ? 1.0 : 0.0; });
    return s;
}

// A friction drum: a rubbed stick makes a tone that slides and fades.
Sound Cuica(double fromHz, double toHz, double length, std::uint32_t seed) {
    Sound s = NewSound(length);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = n / kDrumRate;
        const double x = t / length;
        const double hz = fromHz + (toHz - fromHz) * std::sin(kPi * 0.5 * x);
        const double gain = std::sin(kPi * std::min(1.0, x * 4) * 0.5) * std::exp(-x * 3) *
                            (1.0 + 0.3 * std::sin(phase * 2));
        s[n] += gain * (std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.05 * std::sin(3 * phase));
        phase += 2.0 * kPi * hz / kDrumRate;
    }
    AddNoise(s, seed, {BandPass(Hz(fromHz * 3), 1.0)}, 0.15, Decay(length * 0.5));
    return s;
}

// A rattle of teeth in a box, slowing down as it dies.
Sound Vibraslap(std::uint32_t seed) {
    Sound s = NewSound(1.0);
    double t = 0.0, gap = 0.028;
    for (int i = 0; t < 0.9; ++i) {
        const double level = std::exp(-t / 0.3);
        AddNoise(s, seed + i, {HighPass(Hz(2000), 0.7)}, 2.0 * level, Decay(0.01), t);
        AddMode(s, 880, 0.35 * level, Decay(0.012), t);
        AddMode(s, 1230, 0.25 * level, Decay(0.01), t);
        t += gap;
        gap *= 1.015;
    }
    return s;
}

}  // namespace

Sound HandPercussion(int key) {
    const std::uint32_t seed = 7000 + static_cast<std::uint32_t>(key) * 101;
    switch (key) {
        case 39: return Clap(seed);
        case 58: return Vibraslap(seed);
        case 69: return Shaker(0.008, 0.001, 3000, 0.08, seed);
        case 70: return Shaker(0.018, 0.004, 6000, 0.1, seed);
        case 71: return Whistle(3250, 0.2, seed);
        case 72: return Whistle(2830, 0.35, seed);
        case 73: return Guiro(8, 110, seed);
        case 74: return Guiro(30, 75, seed);
        case 75: return Wood({{2450, 1.0, 0.011}, {6660, 0.2, 0.005}}, 4900, seed);
        case 76:
            return Wood(
                {{690, 0.9, 0.028}, {900, 1.0, 0.025}, {1700, 0.4, 0.015}, {3200, 0.3, 0.01}}, 2400,
                seed);
        case 77:
            return Wood(
                {{460, 0.45, 0.035}, {610, 1.0, 0.035}, {1200, 0.35, 0.02}, {2400, 0.3, 0.012}},
                2000, seed);
        case 78: return Cuica(560, 680, 0.35, seed);
        default: return Cuica(280, 340, 0.6, seed);  // 79 open cuica
    }
}
