#include "voiceset/voicegen/drum_kit.h"

#include <algorithm>
#include <cmath>

#include "voiceset/voicegen/gm_names.h"

namespace {

// Peaks balanced by ear against the melodic set: the kick and snare lead, cymbals and shakers
// sit back (they are long or bright and sound louder than their peak).
double PeakOf(int key) {
    switch (key) {
        case 35: case 36: return 0.95;
        case 38: case 40: return 0.85;
        case 37: return 0.8;
        case 39: return 0.7;
        case 41: case 43: case 45: case 47: case 48: case 50: return 0.7;
        case 42: case 44: return 0.6;
        case 46: return 0.5;
        case 49: case 52: case 55: case 57: return 0.5;
        case 51: case 59: return 0.4;
        case 53: return 0.45;
        case 54: return 0.55;
        case 69: case 70: return 0.5;
        case 71: case 72: return 0.4;  // a steady whistle is loud for its peak
        case 79: return 0.5;
        case 80: case 81: return 0.45;
        default: return 0.7;
    }
}

Sound SoundOf(int key) {
    switch (key) {
        case 42: case 44: case 46: case 49: case 51: case 52: case 53: case 54: case 55:
        case 56: case 57: case 59: case 67: case 68: case 80: case 81:
            return MetalDrum(key);
        case 39: case 58: case 69: case 70: case 71: case 72: case 73: case 74: case 75:
        case 76: case 77: case 78: case 79:
            return HandPercussion(key);
        default:
            return SkinDrum(key);
    }
}

// Keys just outside the General MIDI range that songs written for larger kits use: each plays
// the nearest sound of ours instead of the default drum.
struct Borrowed {
    int key;
    const char* name;
    int aliasKey;
};

const Borrowed kBorrowed[] = {
    {27, "High Q", 76},        {28, "Slap", 39},           {29, "Scratch Push", 73},
    {30, "Scratch Pull", 74},  {31, "Sticks", 37},         {32, "Square Click", 75},
    {33, "Metronome Click", 37}, {34, "Metronome Bell", 53}, {82, "Shaker", 70},
    {83, "Jingle Bell", 54},   {84, "Bell Tree", 81},      {85, "Castanets", 75},
    {86, "Mute Surdo", 43},    {87, "Open Surdo", 41},
};

}  // namespace

std::vector<DrumDesign> DrumKit() {
    std::vector<DrumDesign> kit;
    kit.push_back({1, "Default Drum", 0, SkinDrum(1), 0.8});
    for (int key = 35; key <= 81; ++key) kit.push_back({key, DrumName(key), 0, SoundOf(key), PeakOf(key)});
    for (const Borrowed& entry : kBorrowed) kit.push_back({entry.key, entry.name, entry.aliasKey, {}, 0.0});
    return kit;
}

std::vector<std::uint8_t> QuantizeDrum(const DrumDesign& drum) {
    double peak = 1e-9;
    for (double x : drum.sound) peak = std::max(peak, std::fabs(x));
    const double gain = 32.0 * drum.peak / peak;
    std::vector<std::uint8_t> samples;
    std::size_t last = 0;
    const std::size_t size = drum.sound.size();
    for (std::size_t n = 0; n < size; ++n) {
        // The last 10 ms fade out, so a sound cut before its natural end does not click.
        const double fade = std::min(1.0, static_cast<double>(size - n) / (0.01 * kDrumRate));
        const long q = std::clamp(std::lround(drum.sound[n] * gain * fade), -32L, 32L);
        samples.push_back(static_cast<std::uint8_t>(q + 32));
        if (q != 0) last = n;
    }
    samples.resize(last + 1);
    return samples;
}
