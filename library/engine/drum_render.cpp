// Drum voices play their sample once, at its own rate of 22050 samples per second, at the
// peak level (no envelope, no modulation), and free themselves at its end. How many output
// samples a drum sounds in is known when the stretch starts, so its tiles are plain loops.
#include <algorithm>

#include "library/engine/engine.h"
#include "library/engine/voice_render.h"
#include "library/engine/wave_run.h"

namespace {

// What an entry without a sample plays: an empty sample and the zero line behind it, so the
// last half pair at 44100 Hz reads silence as it does behind any sample.
constexpr std::uint8_t kEmptySample[1] = {32};

void FindSample(DrumCursor& cursor) {
    const DRUMENTRY* entry = &engine.drumTable[cursor.voice->key & 63];
    if (entry->aliasSlot > 0 && entry->aliasSlot < 64) entry = &engine.drumTable[entry->aliasSlot];
    if (entry->sampleData == nullptr) {
        cursor.data = kEmptySample;
        cursor.length = 0;
        return;
    }
    cursor.data = entry->sampleData;
    cursor.length = std::max<std::int64_t>(entry->sampleLength, 0);
}

// Output samples left of the sample, at most n. At 44100 Hz an odd count ends with the first
// half of a pair, which still uses up its sample.
std::int64_t SoundingCount(const DrumCursor& cursor, std::uint32_t n) {
    const std::int64_t perSample = cursor.pairs ? 2 : 1;
    if (cursor.clock + std::int64_t{n / perSample} <= cursor.length) return n;
    return std::max<std::int64_t>(perSample * (cursor.length - cursor.clock), 0);
}

// Drum samples used by the first count output samples.
std::uint32_t SamplesUsed(const DrumCursor& cursor) {
    return static_cast<std::uint32_t>(cursor.pairs ? (cursor.count + 1) / 2 : cursor.count);
}

void FreeDrumVoice(Voice& voice) {
    ClearVoice(voice);
    --engine.activeVoices;
    if (engine.activeVoices < engine.requestedNotes) --engine.requestedNotes;
    engine.activeVoices = std::max(engine.activeVoices, 0);
    engine.requestedNotes = std::max(engine.requestedNotes, 0);
}

}  // namespace

DrumCursor StartDrum(Voice& voice, std::uint32_t n, std::int32_t loudness, std::int32_t row) {
    DrumCursor cursor{};
    cursor.voice = &voice;
    FindSample(cursor);
    cursor.scale = engine.tables.sampleScale[engine.tables.levelTable[loudness][row][16]];
    cursor.clock = voice.clock;
    cursor.pairs = engine.sampleRate == 44100;
    cursor.count = SoundingCount(cursor, n);
    return cursor;
}

// A drum is a wave run that never wraps: a step of one sample, or of half a sample when each
// drum sample fills two output samples, from the clock the stretch started at.
void RenderDrumTile(const DrumCursor& cursor, std::uint32_t from, std::uint32_t to,
                    std::int32_t* mix) {
    const std::int64_t stop = std::min<std::int64_t>(to, cursor.count);
    if (stop <= from) return;
    const std::int32_t step = cursor.pairs ? 8192 : 16384;
    const std::int64_t phase14 = (std::int64_t{cursor.clock} << 14) + std::int64_t{from} * step;
    const WaveRef wave{cursor.data, cursor.length + 1, 0};
    AddWaveRun(wave, cursor.scale, phase14, step, static_cast<std::uint32_t>(stop - from),
               mix + from);
}

bool DrumEnds(const DrumCursor& cursor) {
    return cursor.clock + SamplesUsed(cursor) >= cursor.length;
}

void FinishDrum(const DrumCursor& cursor) {
    cursor.voice->clock = cursor.clock + SamplesUsed(cursor);
    if (DrumEnds(cursor)) FreeDrumVoice(*cursor.voice);
}
