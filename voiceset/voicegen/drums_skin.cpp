// The drum set's skins: kicks, snares, toms and the side stick. A head sounds a pitch that falls
// as it settles, with overtones that die sooner; the stick or beater adds a short click.
#include "voiceset/voicegen/drum_kit.h"

namespace {

// A short thump whose pitch falls from startHz to endHz, its second harmonic, the beater's
// click and the slap of the head.
Sound Kick(double startHz, double endHz, double decay, double click, std::uint32_t seed) {
    Sound s = NewSound(0.3);
    AddDrop(s, startHz, endHz, 0.025, 1.0, Decay(decay, 0.001));
    AddDrop(s, startHz * 2, endHz * 2, 0.02, 0.3, Decay(decay * 0.6, 0.001));
    AddNoise(s, seed, {LowPass(Hz(5000), 0.7)}, click * 0.5, Decay(0.006));
    AddNoise(s, seed + 1, {BandPass(Hz(1200), 0.4)}, click * 0.25, Decay(0.02));
    return s;
}

// The tuned body with an overtone, the wires' buzz (a low and a high band of noise) and the
// stick's crack.
struct SnareShape {
    double bodyHz, decay, overtone, lowWires, highWires;
};

Sound Snare(const SnareShape& shape, std::uint32_t seed) {
    Sound s = NewSound(0.35);
    AddDrop(s, shape.bodyHz * 1.25, shape.bodyHz, 0.008, 1.0, Decay(shape.decay, 0.001));
    AddMode(s, shape.bodyHz * 1.52, shape.overtone, Decay(shape.decay * 0.7, 0.001));
    AddNoise(s, seed, {HighPass(Hz(350), 0.7), LowPass(Hz(1800), 0.7)}, shape.lowWires,
             Decay(shape.decay * 1.2, 0.002));
    AddNoise(s, seed + 1, {HighPass(Hz(1800), 0.7), LowPass(Hz(8000), 0.7)}, shape.highWires,
             Decay(shape.decay * 1.2, 0.002));
    AddNoise(s, seed + 2, {BandPass(Hz(3000), 0.6)}, 0.4, Decay(0.005));
    return s;
}

// A snare of a drum machine's kind: the body's modes stand out of a louder band of noise.
Sound ElectricSnare(std::uint32_t seed) {
    Sound s = Snare({215, 0.045, 0.8, 1.4, 1.6}, seed + 10);
    AddModes(s, {{430, 0.7, 0.03}, {860, 0.45, 0.025}}, 0.001);
    return s;
}

// A tom: the head's pitch falling to hz, a deeper thump of the shell, an overtone, and the
// stick's noise.
struct TomShape {
    double hz, decay, thumpHz, thump, overtone, stick;
};

Sound Tom(const TomShape& shape, std::uint32_t seed) {
    Sound s = NewSound(shape.decay * 4.5);
    AddDrop(s, shape.hz * 1.3, shape.hz, 0.04, 1.0, Decay(shape.decay, 0.002));
    AddDrop(s, shape.thumpHz * 1.4, shape.thumpHz, 0.03, shape.thump,
            Decay(shape.decay * 0.6, 0.002));
    AddMode(s, shape.hz * 2.3, shape.overtone, Decay(shape.decay * 0.3, 0.002));
    AddNoise(s, seed, {HighPass(Hz(150), 0.6), LowPass(Hz(2000), 0.5)}, shape.stick,
             Decay(0.04, 0.001));
    return s;
}

// The stick laid on the head striking the rim: a bright crack and the rim's short ring.
Sound SideStick(std::uint32_t seed) {
    Sound s = NewSound(0.35);
    AddNoise(s, seed, {HighPass(Hz(700), 0.7)}, 1.0, Decay(0.008, 0.0005));
    AddModes(s,
             {{1120, 0.35, 0.05},
              {1650, 0.2, 0.06},
              {2300, 0.2, 0.06},
              {2950, 0.25, 0.07},
              {4400, 0.25, 0.07},
              {6300, 0.25, 0.06},
              {8400, 0.15, 0.05}},
             0.0005);
    AddNoise(s, seed + 1, {BandPass(Hz(400), 0.6)}, 0.4, Decay(0.012));
    return s;
}

// Entry 1, the default drum: a plain medium knock.
Sound DefaultDrum(std::uint32_t seed) {
    Sound s = NewSound(0.2);
    AddDrop(s, 260, 190, 0.02, 1.0, Decay(0.06, 0.001));
    AddNoise(s, seed, {BandPass(Hz(1500), 0.7)}, 0.4, Decay(0.01));
    return s;
}

}  // namespace

Sound SkinDrum(int key) {
    const std::uint32_t seed = 5000 + static_cast<std::uint32_t>(key);
    switch (key) {
        case 35: return Kick(120, 62, 0.04, 0.5, seed);
        case 36: return Kick(150, 66, 0.035, 0.7, seed);
        case 37: return SideStick(seed);
        case 38: return Snare({200, 0.04, 0.4, 0.5, 0.6}, seed);
        case 40: return ElectricSnare(seed);
        case 41: return Tom({150, 0.23, 85, 0.6, 0.3, 3.0}, seed);
        case 43: return Tom({78, 0.16, 200, 0.3, 0.1, 1.0}, seed);
        case 45: return Tom({82, 0.27, 200, 0.15, 0.1, 1.0}, seed);
        case 47: return Tom({105, 0.21, 260, 0.12, 0.1, 0.3}, seed);
        case 48: return Tom({110, 0.2, 280, 0.12, 0.1, 0.3}, seed);
        case 50: return Tom({116, 0.18, 155, 0.3, 0.1, 0.35}, seed);
        default: return DefaultDrum(seed);
    }
}
