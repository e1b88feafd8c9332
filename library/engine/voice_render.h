// What the melodic and the drum renderer share.
#pragma once

#include <cstdint>

#include "library/frame/state.h"

// Row of levelTable for the voices sounding now: activeVoices, limited to 0..32.
std::int32_t ActiveRow();

// Adds a drum voice over n samples at its loudness (first index of levelTable) into mix and
// frees the voice when its sample has ended.
void RenderDrumVoice(Voice& voice, std::uint32_t n, std::int32_t* mix, std::int32_t loudness);
