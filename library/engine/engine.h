// What the library's parts call of each other, beyond the exported interface.
#pragma once

#include <cstdint>

#include "library/engine/engine_state.h"

// The image's header is there, its division usable and its first track inside the image.
bool SongCanStart();
// Song start: track position, division, tempo, counters, voices, channels and mix cleared.
void StartSong();
// Clears one voice to its free state.
void ClearVoice(Voice& voice);
// Renders one active voice over n samples added into mix (the current stretch).
void RenderVoice(Voice& voice, std::uint32_t n, std::int32_t* mix);
// Samples that ticks at the current tempo come to (what WaveSynth renders for them).
std::uint32_t StretchSamples(std::uint32_t ticks);
// Clears both voice tables to zero (frees nothing: after TeCleanUp the pointers are stale).
void ClearVoiceTable();
// Frees every tone's and drum's samples.
void FreeVoiceTable();
