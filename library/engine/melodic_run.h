// The boundaries of a melodic voice's runs: between two of them the voice's level and step are
// constant, so the samples of a run are one table look-up and two additions each.
#pragma once

#include <cstdint>

#include "library/engine/engine_state.h"
#include "library/engine/wave_run.h"

struct MelodicRun {
    Voice* voice;
    const TONEENTRY* tone;
    WaveRef wave;
    double loopEnd;     // E: the waveform's end, in 1/16384 sample units
    double loopLength;  // Q
    double loopStart;   // S = E - Q
    std::int32_t loudness;
    std::int32_t row;       // active voices, for levelTable
    std::int32_t level;     // J: envelope level, or the tremolo's level until the next change
    std::int32_t playStep;  // whole units actually added to the phase
    std::uint32_t wrapClock;
    std::uint32_t stageClock;
    std::uint32_t modClock;
};

// The run state of a voice at the start of a stretch; row is the levelTable row of the
// voices sounding while it renders.
MelodicRun StartRun(Voice& voice, const TONEENTRY& tone, std::int32_t loudness, std::int32_t row);

// The voice clock at which the run starting now ends (not beyond rest samples).
std::uint32_t RunEnd(const MelodicRun& run, std::uint32_t rest);

// Everything due at the end of a run, in order: loop wrap, envelope stage, modulation step.
// False when a one-shot waveform has played to its end.
bool RunBoundary(MelodicRun& run, std::uint32_t now);
