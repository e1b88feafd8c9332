#include "voiceset/voicegen/drum_kit.h"

#include <algorithm>
#include <cmath>

#include "voiceset/voicegen/gm_names.h"

namespace {

// The loudest 50 ms of every drum at this RMS in sample steps (32 is full scale) before its trim:
// as loud as the melodic programs' loops, with room for the strokes' peaks.
constexpr double kDrumRms = 9.0;
constexpr double kPeakLimit = 31.6;

// Trims against the common level: hi-hats, cymbals, shakers and triangles sit back (bright
// sounds seem louder than their level, and hats play on every beat); the kicks a little too,
// as a short thump peaks at three times its level and songs often strike both at once.
// The keys that share a value stay on one line:
// clang-format off
double TrimOf(int key) {
    switch (key) {
        case 35: case 36: return -2.0;
        case 42: case 44: case 46: return -4.0;
        case 49: case 51: case 52: case 55: case 57: case 59: return -5.0;
        case 53: case 54: case 69: case 70: case 80: case 81: return -3.0;
        case 58: return 1.5;  // the rattle's strokes are short and far apart
        default: return 0.0;
    }
}

// Jingles, shakers, the vibraslap's rattle and triangles: their sound lies high.
bool HighOnly(int key) { return key == 54 || key == 58 || key == 69 || key == 70 || key == 80 || key == 81; }

Sound SoundOf(int key) {
    switch (key) {
        case 42: case 44: case 46: case 49: case 51: case 52: case 53: case 54: case 55:
        case 56: case 57: case 59: case 67: case 68: case 80: case 81:
            return MetalDrum(key);
        case 60: case 61: case 62: case 63: case 64: case 65: case 66:
            return LatinDrum(key);
        case 39: case 58: case 69: case 70: case 71: case 72: case 73: case 74: case 75:
        case 76: case 77: case 78: case 79:
            return HandPercussion(key);
        default:
            return SkinDrum(key);
    }
}
// clang-format on

// Keys just outside the General MIDI range that songs written for larger kits use: each plays
// the nearest sound of ours instead of the default drum.
struct Borrowed {
    int key;
    const char* name;
    int aliasKey;
};

const Borrowed kBorrowed[] = {
    {27, "High Q", 76},          {28, "Slap", 39},           {29, "Scratch Push", 73},
    {30, "Scratch Pull", 74},    {31, "Sticks", 37},         {32, "Square Click", 75},
    {33, "Metronome Click", 37}, {34, "Metronome Bell", 53}, {82, "Shaker", 70},
    {83, "Jingle Bell", 54},     {84, "Bell Tree", 81},      {85, "Castanets", 75},
    {86, "Mute Surdo", 43},      {87, "Open Surdo", 41},
};

}  // namespace

std::vector<DrumDesign> DrumKit() {
    std::vector<DrumDesign> kit;
    kit.push_back({1, "Default Drum", 0, SkinDrum(1), -1.0});
    for (int key = 35; key <= 81; ++key) {
        kit.push_back({key, DrumName(key), 0, SoundOf(key), TrimOf(key), HighOnly(key)});
    }
    for (const Borrowed& entry : kBorrowed)
        kit.push_back({entry.key, entry.name, entry.aliasKey, {}, 0.0});
    return kit;
}

std::vector<std::uint8_t> QuantizeDrum(const DrumDesign& drum) {
    double peak = 1e-9;
    for (double x : drum.sound) peak = std::max(peak, std::fabs(x));
    const double level = kDrumRms * std::pow(10.0, drum.trimDb / 20.0);
    const double gain = std::min(level / std::max(LoudestRms(drum.sound), 1e-9), kPeakLimit / peak);
    std::vector<std::uint8_t> samples;
    std::size_t last = 0;
    const std::size_t size = drum.sound.size();
    // High, thin instruments move the rounding error up under their own sound (first-order
    // error feedback); left white, it would be heard as a low rustle they do not have.
    const double shaping = drum.highOnly ? 1.0 : 0.0;
    double error = 0.0;
    for (std::size_t n = 0; n < size; ++n) {
        // The last 10 ms fade out, so a sound cut before its natural end does not click.
        const double fade = std::min(1.0, static_cast<double>(size - n) / (0.01 * kDrumRate));
        const double wanted = drum.sound[n] * gain * fade + shaping * error;
        const long q = std::clamp(std::lround(wanted), -32L, 32L);
        error = wanted - static_cast<double>(q);
        samples.push_back(static_cast<std::uint8_t>(q + 32));
        if (q != 0) last = n;
    }
    samples.resize(last + 1);
    return samples;
}
