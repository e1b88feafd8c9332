// Lookup tables built once per TeInit, so that the per-sample path needs no multiplication.
#include <cmath>
#include <cstring>

#include "library/frame/frame.h"
#include "library/frame/state.h"

static void BuildPitchStep(EngineTables& t) {
    const double factor = (880.0 / g.sampleRate) * 16384.0;
    for (int k = 0; k < 128; ++k) {
        t.pitchStep[k] = (k >= 9 && k <= 105) ? std::pow(2.0, (k - 9) * (1.0 / 12)) * factor : 0.0;
    }
}

static void BuildLevelTable(EngineTables& t) {
    for (int level = 0; level <= 64; ++level) {
        for (int active = 0; active <= 32; ++active) {
            const int w = level * polyGain[active];
            for (int s = 0; s <= 32; ++s) {
                const int rise = s <= 15 ? s + 1 : 32 - s;
                t.levelTable[level][active][s] = static_cast<std::uint8_t>((rise * w) >> 8);
            }
        }
    }
}

static void BuildSampleScale(EngineTables& t) {
    for (int j = 0; j <= 128; ++j) {
        for (int s = 0; s <= 64; ++s)
            t.sampleScale[j][s] = static_cast<std::int16_t>(4 * j * (s - 32));
    }
}

static void BuildCharValue(EngineTables& t) {
    static const char kSampleChars[] =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]";
    std::memset(t.charValue, 255, sizeof t.charValue);
    for (int i = 0; kSampleChars[i] != 0; ++i) {
        t.charValue[static_cast<unsigned char>(kSampleChars[i])] = static_cast<std::uint8_t>(i);
    }
}

void BuildEngineTables() {
    BuildPitchStep(g.tables);
    BuildLevelTable(g.tables);
    BuildSampleScale(g.tables);
    BuildCharValue(g.tables);
}
