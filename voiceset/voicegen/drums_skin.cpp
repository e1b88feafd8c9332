// Drums with a head: the head's pitch drops after the strike, a second mode dies sooner, and
// the stick or hand adds a short noise.
#include <cmath>

#include "voiceset/voicegen/drum_kit.h"

namespace {

Sound Kick(double startHz, double endHz, double decay, double click, std::uint32_t seed) {
    Sound s = NewSound(0.5);
    AddDrop(s, startHz, endHz, 0.035, 1.0, Decay(decay, 0.002));
    AddDrop(s, startHz * 1.6, endHz * 1.6, 0.02, 0.25, Decay(decay * 0.3, 0.002));
    AddNoise(s, seed, {LowPass(Hz(3500), 0.7)}, click, Decay(0.006));
    return s;
}

Sound Snare(double bodyHz, double decay, double wires, double wireLowHz, std::uint32_t seed) {
    Sound s = NewSound(0.4);
    AddDrop(s, bodyHz * 1.3, bodyHz, 0.01, 0.8, Decay(decay * 0.7, 0.001));
    AddMode(s, bodyHz * 1.84, 0.35, Decay(decay * 0.4, 0.001));
    AddNoise(s, seed, {HighPass(Hz(wireLowHz), 0.7), LowPass(Hz(9000), 0.7)}, wires, Decay(decay, 0.002));
    AddNoise(s, seed + 1, {BandPass(Hz(2500), 0.8)}, 0.5, Decay(0.008));
    return s;
}

// Toms from the lowest (index 0) to the highest (index 5), spaced about three semitones.
Sound Tom(int index, std::uint32_t seed) {
    const double hz = 82.0 * std::pow(1.19, index);
    const double decay = 0.34 - 0.025 * index;
    Sound s = NewSound(0.6);
    AddDrop(s, hz * 1.5, hz, 0.04, 1.0, Decay(decay, 0.002));
    AddMode(s, hz * 1.59, 0.3, Decay(decay * 0.35, 0.002));
    AddNoise(s, seed, {BandPass(Hz(hz * 6), 0.9)}, 0.45, Decay(0.012));
    return s;
}

Sound HandDrum(double hz, double decay, double slap, double length, std::uint32_t seed) {
    Sound s = NewSound(length);
    AddDrop(s, hz * 1.12, hz, 0.015, 1.0, Decay(decay, 0.001));
    AddMode(s, hz * 1.52, 0.35, Decay(decay * 0.5, 0.001));
    AddMode(s, hz * 2.13, 0.15, Decay(decay * 0.3, 0.001));
    AddNoise(s, seed, {BandPass(Hz(2200), 0.7)}, slap, Decay(0.006));
    return s;
}

Sound Timbale(double hz, std::uint32_t seed) {
    Sound s = NewSound(0.55);
    AddDrop(s, hz * 1.08, hz, 0.01, 1.0, Decay(0.2, 0.001));
    AddMode(s, hz * 1.48, 0.5, Decay(0.16, 0.001));
    AddMode(s, hz * 2.31, 0.35, Decay(0.12, 0.001));
    AddMode(s, hz * 3.4, 0.2, Decay(0.09, 0.001));
    AddNoise(s, seed, {BandPass(Hz(3500), 0.8)}, 0.6, Decay(0.03));
    return s;
}

Sound SideStick(std::uint32_t seed) {
    Sound s = NewSound(0.12);
    AddMode(s, 480, 0.6, Decay(0.02));
    AddMode(s, 1330, 0.5, Decay(0.015));
    AddMode(s, 2250, 0.35, Decay(0.01));
    AddNoise(s, seed, {BandPass(Hz(3000), 1.0)}, 0.8, Decay(0.004));
    return s;
}

}  // namespace

Sound SkinDrum(int key) {
    const std::uint32_t seed = 5000 + static_cast<std::uint32_t>(key);
    switch (key) {
        case 35: return Kick(115, 48, 0.26, 0.35, seed);
        case 36: return Kick(160, 55, 0.2, 0.6, seed);
        case 37: return SideStick(seed);
        case 38: return Snare(185, 0.17, 0.9, 1800, seed);
        case 40: return Snare(230, 0.12, 1.1, 2600, seed);
        case 41: return Tom(0, seed);
        case 43: return Tom(1, seed);
        case 45: return Tom(2, seed);
        case 47: return Tom(3, seed);
        case 48: return Tom(4, seed);
        case 50: return Tom(5, seed);
        case 60: return HandDrum(470, 0.08, 0.5, 0.25, seed);
        case 61: return HandDrum(320, 0.11, 0.45, 0.3, seed);
        case 62: return HandDrum(350, 0.035, 0.9, 0.15, seed);
        case 63: return HandDrum(330, 0.17, 0.5, 0.4, seed);
        case 64: return HandDrum(225, 0.2, 0.45, 0.45, seed);
        case 65: return Timbale(440, seed);
        case 66: return Timbale(310, seed);
        default: {  // entry 1, the default drum: a plain medium knock
            Sound s = NewSound(0.2);
            AddDrop(s, 260, 190, 0.02, 1.0, Decay(0.06, 0.001));
            AddNoise(s, seed, {BandPass(Hz(1500), 0.7)}, 0.4, Decay(0.01));
            return s;
        }
    }
}
