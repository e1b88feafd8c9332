// The library's one state record: the engine's state and what the frame keeps beside it.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "library/engine/engine_state.h"
#include "platform/messages.h"
#include "platform/waveout.h"

// The voice level's gain by the count of active voices, for the level table.
extern const std::int32_t polyGain[33];

struct LibraryState : EngineState {
    // A process may end through exit() without TeCleanUp (its window system went away): the
    // ready thread is then left to end with it instead of aborting the process.
    ~LibraryState();
    // lifecycle
    std::int32_t bInitialized;
    std::int32_t bJapanese;
    platform::WindowHandle parentWindow;
    std::uint32_t notifyMessage;
    std::thread readyThread;
    platform::WindowHandle readyWindow;
    // device and buffers
    platform::WaveOutHandle waveOut;
    platform::WaveFormat waveFormat;
    char16_t errorText[256];
    WAVEBUFFER waveBuffers[2];
    // The master level's tables, built aside, then published through the engine's volumeTable.
    // The caller may build four tables while the renderer still reads an older one, so every
    // entry is read and written as an atomic byte: the renderer gets one whole entry of some
    // table, never a torn or racing read.
    VolumeTable volumeTables[4];
    int volumeSlot;
    // playback
    std::int32_t blocksPlayed;
    bool held;  // TePause: the device takes no blocks until TeResume (the caller's thread only)
    std::atomic<std::int32_t> playStarting;  // TePlay is queueing its first blocks
};

extern LibraryState g;
