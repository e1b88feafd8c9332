// The envelope of a tone: the voice clock at which each of its 33 stages ends.
#pragma once

#include "library/engine/engine_state.h"

// Sets each of attackRate, decay1Rate, decay2Rate, decay1Steps above 15 to 15, so that the
// envelope stays within its 32 stages. Returns whether any was above 15.
bool ClampEnvelopeParameters(TONEENTRY& tone);

// Fills stageEnd from the four envelope parameters (each 0..15) for the sample rate:
// 22050 Hz times, doubled at 44100 Hz; stageEnd[32] is -1.
void ComputeEnvelope(TONEENTRY& tone, std::int32_t sampleRate);
