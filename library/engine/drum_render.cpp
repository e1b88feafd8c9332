// Drum voices play their sample once, at its own rate of 22050 samples per second, at the
// peak level (no envelope, no modulation), and free themselves at its end.
#include <algorithm>

#include "library/engine/engine.h"
#include "library/engine/voice_render.h"

namespace {

struct DrumSample {
    const std::uint8_t* data;  // followed by one sample of the zero line
    std::int64_t length;
};

// What an entry without a sample plays: an empty sample and the zero line behind it, so the
// last half pair at 44100 Hz reads silence as it does behind any sample.
constexpr std::uint8_t kEmptySample[1] = {32};

DrumSample VoiceSample(const Voice& voice) {
    const DRUMENTRY* entry = &g.drumTable[voice.key & 63];
    if (entry->aliasSlot > 0 && entry->aliasSlot < 64) entry = &g.drumTable[entry->aliasSlot];
    if (entry->sampleData == nullptr) return {kEmptySample, 0};
    return {entry->sampleData, std::max<std::int64_t>(entry->sampleLength, 0)};
}

void AddSamples(Voice& voice, const DrumSample& sample, const std::int16_t* scale, std::uint32_t n,
                std::int32_t* mix) {
    std::int64_t count = n;
    if (voice.clock + std::int64_t{n} > sample.length) {
        count = std::max<std::int64_t>(sample.length - voice.clock, 0);
    }
    for (std::int64_t i = 0; i < count; ++i) mix[i] += scale[sample.data[voice.clock++]];
}

// At 44100 samples per second every drum sample fills two output samples; an odd count ends
// with the first half of a pair, which still uses up its sample.
void AddPairs(Voice& voice, const DrumSample& sample, const std::int16_t* scale, std::uint32_t n,
              std::int32_t* mix) {
    std::int64_t count = n;
    if (voice.clock + std::int64_t{n / 2} > sample.length) {
        count = std::max<std::int64_t>(2 * (sample.length - voice.clock), 0);
    }
    for (std::int64_t i = 0; i < count; i += 2) {
        const std::int32_t value = scale[sample.data[voice.clock++]];
        mix[i] += value;
        if (i + 1 < count) mix[i + 1] += value;
    }
}

void FreeDrumVoice(Voice& voice) {
    ClearVoice(voice);
    --g.activeVoices;
    if (g.activeVoices < g.requestedNotes) --g.requestedNotes;
    g.activeVoices = std::max(g.activeVoices, 0);
    g.requestedNotes = std::max(g.requestedNotes, 0);
}

}  // namespace

void RenderDrumVoice(Voice& voice, std::uint32_t n, std::int32_t* mix, std::int32_t loudness) {
    const DrumSample sample = VoiceSample(voice);
    const std::int16_t* scale = g.tables.sampleScale[g.tables.levelTable[loudness][ActiveRow()][16]];
    if (g.sampleRate == 44100) {
        AddPairs(voice, sample, scale, n, mix);
    } else {
        AddSamples(voice, sample, scale, n, mix);
    }
    if (voice.clock >= sample.length) FreeDrumVoice(voice);
}
