// Metal: hi-hats and cymbals are dense inharmonic modes over high noise, open ones long, closed
// and pedal ones short; bells, cowbell, agogo and triangles are a few strong modes.
#include "voiceset/voicegen/drum_kit.h"

namespace {

// A pair of hats: bright modes and noise above 3 kHz, a quieter body of modes from lowHz, and
// for the pedal the plates' low chick as they close.
struct HatShape {
    double decay, length, lowHz, body, chick;
};

Sound HiHat(const HatShape& shape, std::uint32_t seed) {
    Sound s = NewSound(shape.length);
    AddMetal(s, seed, 40, 3200, 10500, 0.8, Decay(shape.decay, 0.0005));
    AddMetal(s, seed + 1, 40, shape.lowHz, 3200, shape.body, Decay(shape.decay * 0.7, 0.0005));
    AddNoise(s, seed + 2, {HighPass(Hz(6000), 0.7)}, 0.7, Decay(shape.decay * 0.8, 0.0005));
    AddNoise(s, seed + 3, {BandPass(Hz(250), 0.7)}, shape.chick, Decay(0.015, 0.002));
    return s;
}

// A cymbal: a bright wash from splitHz up, a darker one from lowHz, the stick's tick.
struct CymbalShape {
    double length, decay, lowHz, splitHz, dark, noise;
};

Sound Cymbal(const CymbalShape& shape, std::uint32_t seed) {
    Sound s = NewSound(shape.length);
    AddMetal(s, seed, 70, shape.splitHz, 10500, 0.8, Decay(shape.decay, 0.002));
    AddMetal(s, seed + 3, 50, shape.lowHz, shape.splitHz, shape.dark,
             Decay(shape.decay * 0.6, 0.002));
    AddNoise(s, seed + 1, {HighPass(Hz(3500), 0.7)}, shape.noise, Decay(shape.decay * 0.7, 0.002));
    AddNoise(s, seed + 2, {BandPass(Hz(5000), 0.8)}, 0.6, Decay(0.02));  // the stick
    return s;
}

Sound Ride(double pingHz, double ping, double dark, std::uint32_t seed) {
    // Shorter than a crash: rides are played on every beat, and each stroke holds a voice.
    Sound s = Cymbal({1.3, 0.33, 250, 2500, dark, 0.35}, seed);
    // The stick's ping: a few clear modes over the wash.
    AddModes(
        s,
        {{pingHz, ping, 0.4}, {pingHz * 1.57, ping * 0.67, 0.3}, {pingHz * 2.31, ping * 0.5, 0.25}},
        0.0);
    return s;
}

Sound Bell(const std::vector<DrumMode>& modes, double length, double strike, std::uint32_t seed) {
    Sound s = NewSound(length);
    AddModes(s, modes, 0.0008);
    AddNoise(s, seed, {HighPass(Hz(2500), 0.7)}, strike, Decay(0.005));
    return s;
}

Sound Tambourine(std::uint32_t seed) {
    Sound s = NewSound(0.45);
    for (int jingle = 0; jingle < 3; ++jingle) {
        AddNoise(s, seed + jingle, {HighPass(Hz(5000), 0.7)}, 0.6, Decay(0.03, 0.002),
                 jingle * 0.012);
    }
    AddMetal(s, seed + 9, 24, 4500, 10500, 0.6, Decay(0.07, 0.003));
    FilterSound(s, HighPass(Hz(3500), 0.7));
    return s;
}

std::vector<DrumMode> TriangleModes(double decay) {
    return {{2400, 0.25, decay},
            {4700, 0.2, decay * 0.8},
            {6800, 0.25, decay * 0.7},
            {9300, 0.9, decay * 0.6},
            {10400, 0.3, decay * 0.5}};
}

// The ride's bell: a bright cluster around 3.3 kHz over a few low modes of the cymbal.
const std::vector<DrumMode> kRideBell = {
    {300, 0.06, 0.3},   {430, 0.08, 0.3},  {620, 0.05, 0.4}, {850, 0.1, 0.4},
    {1210, 0.15, 0.45}, {1720, 0.35, 0.5}, {2430, 0.4, 0.5}, {3300, 1.0, 0.55},
    {4800, 0.35, 0.45}, {6500, 0.3, 0.35}, {9000, 0.3, 0.3},
};
const std::vector<DrumMode> kCowbell = {
    {450, 1.0, 0.045},  {680, 0.12, 0.04},  {1650, 0.08, 0.03},
    {2400, 0.15, 0.03}, {3400, 0.07, 0.02},
};
const std::vector<DrumMode> kHighAgogo = {
    {1650, 1.0, 0.07},
    {3550, 0.06, 0.05},
    {4700, 0.07, 0.04},
    {6600, 0.15, 0.03},
};
const std::vector<DrumMode> kLowAgogo = {
    {860, 0.35, 0.09},  {1180, 1.0, 0.1},  {2500, 0.1, 0.06},
    {3300, 0.15, 0.05}, {4600, 0.3, 0.05}, {6500, 0.15, 0.04},
};

}  // namespace

Sound MetalDrum(int key) {
    const std::uint32_t seed = 6000 + static_cast<std::uint32_t>(key) * 17;
    switch (key) {
        case 42: return HiHat({0.04, 0.2, 170, 0.5, 0.0}, seed);
        case 44: return HiHat({0.03, 0.16, 300, 0.35, 4.0}, seed);
        case 46: return HiHat({0.5, 2.0, 450, 0.6, 0.0}, seed);
        case 49: return Cymbal({2.8, 0.66, 450, 2500, 0.2, 0.6}, seed);
        case 57: return Cymbal({2.6, 0.6, 450, 2200, 0.22, 0.6}, seed);
        case 55: return Cymbal({1.1, 0.27, 500, 3500, 0.3, 0.8}, seed);
        case 52: return Cymbal({1.3, 0.45, 1200, 3500, 0.6, 0.8}, seed);
        case 51: return Ride(3100, 0.3, 0.3, seed);
        case 59: return Ride(650, 0.08, 0.3, seed);
        case 53: return Bell(kRideBell, 2.2, 0.4, seed);
        case 54: return Tambourine(seed);
        case 56: return Bell(kCowbell, 0.3, 0.2, seed);
        case 67: return Bell(kHighAgogo, 0.4, 0.1, seed);
        case 68: return Bell(kLowAgogo, 0.5, 0.1, seed);
        case 80: return Bell(TriangleModes(0.04), 0.25, 0.3, seed);
        default: return Bell(TriangleModes(0.22), 1.1, 0.3, seed);  // 81 open triangle
    }
}
