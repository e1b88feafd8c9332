// Metal: hi-hats and cymbals are dense inharmonic modes over high noise; bells, cowbell, agogo
// and triangles are a few strong modes.
#include "voiceset/voicegen/drum_kit.h"

namespace {

Sound HiHat(double decay, double length, double attack, double lowHz, std::uint32_t seed) {
    Sound s = NewSound(length);
    AddMetal(s, seed, 40, 3200, 10500, 0.8, Decay(decay, attack));
    AddNoise(s, seed + 1, {HighPass(Hz(6000), 0.7)}, 0.7, Decay(decay * 0.8, attack));
    FilterSound(s, HighPass(Hz(lowHz), 0.7));
    return s;
}

struct CymbalShape {
    double length, decay, lowHz, highHz, noise, noiseLowHz;
};

Sound Cymbal(const CymbalShape& shape, std::uint32_t seed) {
    Sound s = NewSound(shape.length);
    AddMetal(s, seed, 70, shape.lowHz, shape.highHz, 0.8, Decay(shape.decay, 0.002));
    AddNoise(s, seed + 1, {HighPass(Hz(shape.noiseLowHz), 0.7)}, shape.noise, Decay(shape.decay * 0.7, 0.002));
    AddNoise(s, seed + 2, {BandPass(Hz(5000), 0.8)}, 0.6, Decay(0.02));  // the stick
    return s;
}

Sound Ride(double pingHz, double length, std::uint32_t seed) {
    // Shorter than a crash: rides are played on every beat, and each stroke holds a voice.
    Sound s = Cymbal({length, 0.4, 2500, 9000, 0.35, 5000}, seed);
    AddMode(s, pingHz, 0.35, Decay(0.5));
    AddMode(s, pingHz * 1.57, 0.2, Decay(0.35));
    AddMode(s, pingHz * 2.31, 0.15, Decay(0.3));
    return s;
}

Sound Bell(const std::vector<std::pair<double, double>>& modes, double decay, double length,
           double strike, std::uint32_t seed) {
    Sound s = NewSound(length);
    for (const auto& [hz, amp] : modes) AddMode(s, hz, amp, Decay(decay * (1.2 - hz / 12000.0), 0.0008));
    AddNoise(s, seed, {HighPass(Hz(2500), 0.7)}, strike, Decay(0.005));
    return s;
}

Sound Tambourine(std::uint32_t seed) {
    Sound s = NewSound(0.35);
    for (int jingle = 0; jingle < 3; ++jingle) {
        AddNoise(s, seed + jingle, {HighPass(Hz(5000), 0.7)}, 0.6, Decay(0.03, 0.002), jingle * 0.012);
    }
    AddMetal(s, seed + 9, 24, 5000, 10000, 0.6, Decay(0.12, 0.003));
    AddMode(s, 320, 0.2, Decay(0.03));  // the frame
    return s;
}

}  // namespace

Sound MetalDrum(int key) {
    const std::uint32_t seed = 6000 + static_cast<std::uint32_t>(key) * 17;
    switch (key) {
        case 42: return HiHat(0.03, 0.11, 0.0005, 5000, seed);
        case 44: return HiHat(0.035, 0.12, 0.004, 3500, seed);
        case 46: return HiHat(0.32, 0.75, 0.001, 4500, seed);
        case 49: return Cymbal({1.7, 0.75, 2500, 10500, 0.7, 3500}, seed);
        case 57: return Cymbal({1.8, 0.85, 2200, 10000, 0.75, 3000}, seed);
        case 55: return Cymbal({0.8, 0.3, 3500, 10500, 0.8, 5000}, seed);
        case 52: return Cymbal({1.3, 0.55, 1200, 6000, 0.8, 1500}, seed);
        case 51: return Ride(3100, 0.9, seed);
        case 59: return Ride(3500, 0.85, seed);
        case 53: return Bell({{720, 0.8}, {1680, 0.6}, {2450, 0.5}, {3610, 0.35}, {5300, 0.2}}, 0.45, 1.2, 0.5, seed);
        case 54: return Tambourine(seed);
        case 56: return Bell({{562, 1.0}, {845, 0.8}, {1690, 0.25}, {2540, 0.15}}, 0.09, 0.4, 0.4, seed);
        case 67: return Bell({{930, 1.0}, {2140, 0.4}, {3320, 0.25}}, 0.18, 0.55, 0.4, seed);
        case 68: return Bell({{660, 1.0}, {1530, 0.4}, {2380, 0.25}}, 0.2, 0.6, 0.4, seed);
        case 80: return Bell({{4180, 0.7}, {6120, 0.6}, {7340, 0.4}, {9020, 0.3}}, 0.04, 0.15, 0.6, seed);
        default:  // 81 open triangle
            return Bell({{4180, 0.7}, {6120, 0.6}, {7340, 0.4}, {9020, 0.3}}, 0.9, 1.8, 0.6, seed);
    }
}
