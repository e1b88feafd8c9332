// What the engine offers the frame and its own parts, beyond the exported interface: it
// computes and returns, and the frame tells the caller (notifications, message boxes).
#pragma once

#include <cstdint>

#include "library/engine/engine_state.h"

// The image's header is there, its division usable and its first track inside the image.
bool SongCanStart();
// Song start: track position, division, tempo, counters, voices, channels and mix cleared.
void StartSong();

// What the busy time of a block is measured with: a millisecond clock, and the yield that gives
// other threads their turn during a long block (the time given away is not busy time).
struct BlockClock {
    std::uint32_t (*nowMs)();
    void (*yield)();
};

// What one block comes to; the frame posts it as codes 4, 5, 3, 2.
struct BlockReport {
    bool rendered;                  // false: the track had already ended, nothing was rendered
    std::int32_t refusedStretches;  // stretches left out: they would have passed two seconds
    std::uint32_t busyMs;
    std::uint32_t load;  // busy time in percent of the block's playing time
    std::uint32_t musicalUs;
    std::int32_t peakVoices;
    std::int32_t peakRequests;
    std::int32_t blockCount;  // blocks rendered since the song started
};

// Renders the next quarter note of the song into buffer (clock measures the busy time).
BlockReport RenderBlock(WAVEBUFFER& buffer, const BlockClock& clock);
// Renders ticks at the current tempo into the block's mix; false when the block would pass two
// seconds (nothing is rendered).
bool RenderTicks(std::uint32_t ticks);

// Why a voice file was refused; kNone when it loaded.
enum class VoiceFileError { kNone, kVersion, kToneNumber, kAlternate, kNoFirstTone, kMemory };

// What loading a voice file came to: how many tones had envelope parameters out of range
// (clamped, the load goes on), then the error that stopped the load.
struct VoiceFileResult {
    std::int32_t envelopesClamped;
    VoiceFileError error;
};

// Loads the tones and drums of a voice file image into the voice table.
VoiceFileResult LoadVoiceFile(const std::uint8_t* image, std::int32_t length);

// Clears one voice to its free state.
void ClearVoice(Voice& voice);
// Renders one active voice over n samples added into mix (the current stretch).
void RenderVoice(Voice& voice, std::uint32_t n, std::int32_t* mix);
// Samples that ticks at the current tempo come to (what RenderTicks renders for them).
std::uint32_t StretchSamples(std::uint32_t ticks);
// Clears both voice tables to zero (frees nothing: after TeCleanUp the pointers are stale).
void ClearVoiceTable();
// Frees every tone's and drum's samples.
void FreeVoiceTable();
