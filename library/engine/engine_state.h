// The engine's state: the song, the voice table and lookup tables, the sequencer, the voices and
// the mix. The frame keeps it as the base of its own state record and hands it to the engine.
#pragma once

#include <atomic>
#include <cstdint>

#include "library/tesalo.h"
#include "platform/waveout.h"

// One output buffer: two seconds of PCM and the device's header for it.
struct WAVEBUFFER {
    std::uint8_t* data;            // capacity + 32 bytes
    std::int32_t capacity;         // bytes of two seconds of output
    platform::BlockHeader header;  // length = bytes of the current block
};

struct ChannelState {
    std::uint8_t program;
    std::uint8_t volume;      // 0..15 (controller 7 >> 3)
    std::uint8_t expression;  // 0..15 (controller 11 >> 3)
    double pitchBend;         // semitones
    std::uint8_t bendRange;   // semitones
    std::uint8_t rpnMsb;
    std::uint8_t rpnLsb;
};

struct Voice {
    std::uint8_t program;
    std::uint8_t key;      // MIDI key, or drum index on the drum channel; 0 = free
    std::uint8_t level;    // 0..15
    std::uint8_t channel;  // 1..16
    double step;           // phase advance per output sample, 1/16384 of a wave sample
    std::int32_t firstPass;
    double phase;         // wave position in 1/16384 of a sample; whole units only
    std::uint32_t clock;  // output samples since note-on
    std::uint32_t startTick;
    std::int32_t stage;  // envelope stage 0..32
    std::int32_t modStart;
    std::int32_t modPeriod;
    std::uint8_t modMode;
    std::int32_t modCount;
};

struct TONEENTRY {
    char name[36];
    std::uint8_t* sampleData;  // sampleLength samples + 64 guard samples (+6 spare bytes)
    double tuneCents;
    std::uint8_t attackRate;
    std::uint8_t decay1Rate;
    std::uint8_t decay2Rate;
    std::uint8_t decay1Steps;
    std::int32_t stageEnd[33];  // voice clock at which each stage ends; -1 never
    std::uint8_t modMode;
    std::uint8_t modSpeed;
    std::uint8_t modDelay;
    std::int32_t sampleLength;
    std::int32_t loopLength;
    std::int32_t guardLoopLength;  // loop length of the tone that owns the waveform
};

struct DRUMENTRY {
    char name[32];
    std::int32_t aliasSlot;  // 0: own samples; else the slot whose samples play
    std::int32_t sampleLength;
    std::uint8_t* sampleData;  // sampleLength samples (+32 spare bytes)
};

constexpr int kDrumChannel = 10;
constexpr int kMaxVoices = 32;

// What a stretch of a block does: blocks passed over by a start further in are not rendered.
enum class StretchWork : std::uint8_t {
    kRender,      // every voice is added into the mix
    kMoveVoices,  // the voices only move on through the stretch, as rendered ones do
    kCount,       // only the samples are counted: the voices stand still
};

// Loudness bytes [channel volume][expression][note level].
using VolumeTable = std::uint8_t[16][16][16];

struct EngineTables {
    double pitchStep[128];
    std::uint8_t levelTable[65][33][33];  // [loudness][active voices][stage]
    std::int16_t sampleScale[129][65];    // [amplitude][wave sample]
    std::uint8_t charValue[256];          // wave character -> sample, 255 for others
};

struct EngineState {
    // output format and mix
    std::int32_t sampleRate;
    std::int32_t bitsPerSample;
    std::int32_t* mixBuffer;
    std::int32_t mixLength;
    std::int32_t* mixCursor;
    std::int32_t blockSamples;
    // song image and options
    std::uint8_t* smfImage;
    std::int32_t smfLength;
    std::atomic<std::int32_t> polyLimit;
    std::atomic<std::int32_t> bLPFDelay;
    // voice table and lookup tables
    TONEENTRY toneTable[128];
    DRUMENTRY drumTable[64];
    EngineTables tables;
    // The master level's loudness table in use; every entry is read as an atomic byte, as the
    // frame may be building the next table while a block renders.
    std::atomic<VolumeTable*> volumeTable;
    // sequencer
    const std::uint8_t* trackPtr;
    std::uint8_t runningStatus;
    std::uint32_t division;
    std::uint32_t tempo;
    std::uint32_t usPerTick;
    std::uint32_t blockStartTick;
    std::uint32_t nextEventTick;
    std::atomic<std::int32_t> bStop;
    std::int32_t blocksRendered;
    StretchWork stretchWork;
    ChannelState channels[17];  // 1..16; 0 unused
    // voices
    Voice voices[33];
    std::int32_t activeVoices;
    std::int32_t requestedNotes;
    std::int32_t peakVoices;
    std::int32_t peakRequests;
};

// The engine's state, kept by the frame.
extern EngineState& engine;
