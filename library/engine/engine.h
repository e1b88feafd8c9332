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

// Song start (StartSong), then the blocks before output sample `sample` of the song are run
// unplayed: the engine then stands at the block that holds the sample as a play from the
// beginning would, its filter and echo history included, with the settings of now taken as
// those of the whole run. Stores the samples of that block before `sample`; false when the song
// ends first. The blocks passed over are not counted: blocksRendered starts over at 0.
bool StartSongAt(std::uint64_t sample, std::uint32_t* lead);
// RenderBlock for the block StartSongAt stopped at: its first `lead` samples are left out of
// the buffer, and its musical length is the part that stays.
BlockReport RenderBlockFrom(WAVEBUFFER& buffer, const BlockClock& clock, std::uint32_t lead);
// Renders ticks at the current tempo into the block's mix; false when the block would pass two
// seconds (nothing is rendered).
bool RenderTicks(std::uint32_t ticks);

// Runs the next block as RenderBlock does but plays nothing; its stretches do `work`, and a
// rendered mix becomes the history the filter and echo read, as a played block's does. Stores
// its samples (the same whatever the work); false when the track had already ended.
bool PassBlock(StretchWork work, std::uint32_t* samples);
// The end of a block that is not played, its mix rendered or not.
void EndUnplayedBlock(bool rendered);
// How far back from a block's start the filter and echo read (0 while they are off): the
// history a start further in must restore.
std::int32_t HistoryDepth();

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
