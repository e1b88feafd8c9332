// A claimed voice's way through one stretch, rendered a tile at a time: every voice is added
// into a short tile of the mix before the next tile begins, so the tile stays in the first-level
// cache instead of being streamed through memory once per voice.
#pragma once

#include <cstdint>

#include "library/engine/engine_state.h"
#include "library/engine/melodic_run.h"

// Row of levelTable for the voices sounding now: activeVoices, limited to 0..32.
std::int32_t ActiveRow();

// The run being added keeps its own copy of what it reads (amplitude row, step, phase): the
// voice and its run state have already moved on to the run's end.
struct MelodicCursor {
    MelodicRun run;
    std::uint32_t stretch;      // samples of the stretch
    std::uint32_t runStart;     // stretch position of the current run's first sample
    std::uint32_t runCount;     // samples of the current run
    std::uint32_t at;           // stretch position of the next sample to add
    std::int64_t phase14;       // the phase inside the current run
    const std::int16_t* scale;  // the current run's amplitude row
    std::int32_t step;          // the current run's step
    bool lastRun;               // a one-shot waveform ends with the current run
    bool finished;
};

struct DrumCursor {
    Voice* voice;
    const std::uint8_t* data;  // the sample, followed by one sample of the zero line
    std::int64_t length;
    const std::int16_t* scale;
    std::uint32_t clock;  // voice clock at the start of the stretch
    std::int64_t count;   // samples of the stretch the drum sounds in
    bool pairs;           // 44100 Hz: every drum sample fills two output samples
};

// What a voice renders: nothing, a melodic voice or a drum.
struct VoiceCursor {
    enum class Kind : std::uint8_t { kSilent, kMelodic, kDrum } kind;
    MelodicCursor melodic;
    DrumCursor drum;
};

// Prepares voice (claimed) for a stretch of n samples; row is the levelTable row it sees.
VoiceCursor StartVoice(Voice& voice, std::uint32_t n, std::int32_t row);
// Adds stretch samples [from, to) of the voice into mix (the stretch's first sample); tiles
// must follow each other from 0 to n.
void RenderTile(VoiceCursor& cursor, std::uint32_t from, std::uint32_t to, std::int32_t* mix);
// Moves the voice through the whole stretch as its tiles would, adding nothing to any mix.
void PassTiles(VoiceCursor& cursor);
// After the last tile: a drum whose sample ended frees its voice.
void FinishVoice(VoiceCursor& cursor);
// Whether FinishVoice will free the voice, which raises the row of the voices after it.
bool FreesVoice(const VoiceCursor& cursor);

MelodicCursor StartMelodic(Voice& voice, const TONEENTRY& tone, std::uint32_t n,
                           std::int32_t loudness, std::int32_t row);
void RenderMelodicTile(MelodicCursor& cursor, std::uint32_t to, std::int32_t* mix);

DrumCursor StartDrum(Voice& voice, std::uint32_t n, std::int32_t loudness, std::int32_t row);
void RenderDrumTile(const DrumCursor& cursor, std::uint32_t from, std::uint32_t to,
                    std::int32_t* mix);
bool DrumEnds(const DrumCursor& cursor);
void FinishDrum(const DrumCursor& cursor);
