// Latin skins: bongos and congas played by hand (a short slap over a ringing head) and the
// timbales, shallow metal shells that ring bright under the stick.
#include "voiceset/voicegen/drum_kit.h"

namespace {

// A hand drum: the head's pitch settling to hz, two overtones, and the palm's slap.
struct HandDrumShape {
    double hz, decay, overtones, slapHz, slap;
};

Sound HandDrum(const HandDrumShape& shape, std::uint32_t seed) {
    Sound s = NewSound(shape.decay * 5 + 0.02);
    AddDrop(s, shape.hz * 1.12, shape.hz, 0.012, 1.0, Decay(shape.decay, 0.001));
    AddMode(s, shape.hz * 1.52, shape.overtones, Decay(shape.decay * 0.6, 0.001));
    AddMode(s, shape.hz * 2.13, shape.overtones * 0.6, Decay(shape.decay * 0.4, 0.001));
    AddNoise(s, seed, {BandPass(Hz(shape.slapHz), 0.7)}, shape.slap, Decay(0.006));
    return s;
}

// A conga damped by the other hand: the slap's ring over a short low thump.
Sound MuteConga(std::uint32_t seed) {
    Sound s = NewSound(0.15);
    AddModes(s, {{650, 0.45, 0.02}, {960, 1.0, 0.025}, {1200, 0.9, 0.02}, {1750, 0.3, 0.012}},
             0.001);
    AddDrop(s, 110, 70, 0.01, 0.35, Decay(0.02, 0.001));
    AddNoise(s, seed, {BandPass(Hz(2200), 0.7)}, 0.4, Decay(0.005));
    return s;
}

// A timbale: the head at hz and the shell's many bright rings, with the stick's crack.
Sound Timbale(double hz, std::uint32_t seed) {
    Sound s = NewSound(0.7);
    AddDrop(s, hz * 1.08, hz, 0.01, 0.8, Decay(0.12, 0.001));
    AddModes(s,
             {{hz * 2.02, 1.0, 0.15},
              {hz * 2.7, 0.55, 0.13},
              {hz * 3.8, 0.5, 0.12},
              {hz * 5.3, 0.55, 0.1},
              {hz * 7.6, 0.5, 0.09},
              {hz * 11, 0.3, 0.07},
              {hz * 15.5, 0.12, 0.05}},
             0.001);
    AddNoise(s, seed, {BandPass(Hz(3000), 0.6)}, 0.6, Decay(0.02));
    return s;
}

}  // namespace

Sound LatinDrum(int key) {
    const std::uint32_t seed = 5000 + static_cast<std::uint32_t>(key);
    switch (key) {
        case 60: return HandDrum({820, 0.022, 0.45, 1800, 0.3}, seed);
        case 61: return HandDrum({600, 0.035, 0.5, 1200, 0.3}, seed);
        case 62: return MuteConga(seed);
        case 63: return HandDrum({330, 0.08, 0.35, 900, 0.4}, seed);
        case 64: return HandDrum({245, 0.07, 0.4, 700, 0.15}, seed);
        case 65: return Timbale(300, seed);
        default: return Timbale(220, seed);  // 66 low timbale
    }
}
