// Wave output device: queued blocks of PCM with opened / block done / closed notifications
// posted to a window (kMsgWaveOpened, kMsgWaveDone with the header in lParam, kMsgWaveClosed).
//
// The backend is chosen in-process before the device is opened: the sound card through
// PortAudio (the default; one device, the system's default output) or a file that receives every
// queued block. The tests bring a device of their own (tests/doubles) through the same choice.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/export.h"
#include "platform/messages.h"

namespace platform {

using WaveOutHandle = std::uintptr_t;

constexpr std::uint32_t kWaveMapper = 0xFFFFFFFFu;  // any suitable device: the default output

// Format bits of WaveOutCaps::formats (mono only).
constexpr std::uint32_t kFormatMono22k8 = 0x0010;
constexpr std::uint32_t kFormatMono22k16 = 0x0040;
constexpr std::uint32_t kFormatMono44k8 = 0x0100;
constexpr std::uint32_t kFormatMono44k16 = 0x0400;

constexpr std::uint32_t WHDR_DONE = 0x0001;
constexpr std::uint32_t WHDR_PREPARED = 0x0002;
constexpr std::uint32_t WHDR_INQUEUE = 0x0010;

// Results: 0 is success.
enum WaveResult : std::uint32_t {
    kWaveOk = 0,
    kWaveErrorFailed = 1,
    kWaveErrorBadDevice = 2,
    kWaveErrorBadHandle = 5,
    kWaveErrorNoMemory = 7,
    kWaveErrorBadParam = 11,
    kWaveErrorBadFormat = 32,
    kWaveErrorStillPlaying = 33,
    kWaveErrorUnprepared = 34,
};

struct WaveFormat {
    std::uint16_t formatTag;  // 1: PCM
    std::uint16_t channels;
    std::uint32_t samplesPerSec;
    std::uint32_t avgBytesPerSec;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
    std::uint16_t extraSize;
};

// One queued block; the device reads `data` for `length` bytes and sets `flags`.
struct BlockHeader {
    std::uint8_t* data;
    std::uint32_t length;
    std::uint32_t bytesRecorded;
    std::uintptr_t user;
    std::uint32_t flags;
    std::uint32_t loops;
    BlockHeader* next;
    std::uintptr_t reserved;
};

struct WaveOutCaps {
    char16_t name[32];
    std::uint32_t formats;  // kFormat* bits
    std::uint16_t channels;
};

PLATFORM_API std::uint32_t WaveOutDeviceCount();
PLATFORM_API std::uint32_t WaveOutGetCaps(std::uint32_t device, WaveOutCaps* caps);
// Opens the device (or kWaveMapper) in the format; notifications go to notifyWindow.
PLATFORM_API std::uint32_t WaveOutOpen(WaveOutHandle* out, std::uint32_t device,
                                       const WaveFormat* format, WindowHandle notifyWindow);
// The text of an error code, cut to capacity characters including the terminating zero.
PLATFORM_API std::uint32_t WaveOutErrorText(std::uint32_t error, char16_t* text,
                                            std::size_t capacity);
// Marks the block prepared (WHDR_PREPARED); preparing a prepared block succeeds.
PLATFORM_API std::uint32_t WaveOutPrepare(WaveOutHandle device, BlockHeader* header);
// Queues a prepared block; its bytes are taken at once, its done notification comes later.
PLATFORM_API std::uint32_t WaveOutWrite(WaveOutHandle device, BlockHeader* header);
PLATFORM_API std::uint32_t WaveOutUnprepare(WaveOutHandle device, BlockHeader* header);
// Volume: low 16 bits left, high 16 bits right, 0 silent to 0xFFFF full.
PLATFORM_API std::uint32_t WaveOutGetVolume(WaveOutHandle device, std::uint32_t* volume);
PLATFORM_API std::uint32_t WaveOutSetVolume(WaveOutHandle device, std::uint32_t volume);
// Holds the device: its sound stops once what the sound card has buffered has played, queued
// blocks (and those written meanwhile) wait, and no done notification comes until
// WaveOutRestart. A device that takes every block at once (the file) is never held.
PLATFORM_API std::uint32_t WaveOutPause(WaveOutHandle device);
// Plays on from where the device was held.
PLATFORM_API std::uint32_t WaveOutRestart(WaveOutHandle device);
// Drops every queued block unplayed, oldest first, each with its done notification; a held
// device stays held.
PLATFORM_API std::uint32_t WaveOutReset(WaveOutHandle device);
// Closes the device; queued blocks are dropped; the closed notification follows.
PLATFORM_API std::uint32_t WaveOutClose(WaveOutHandle device);

// Backend choice, made before a device is opened.
PLATFORM_API void WaveOutUsePortAudio();
// One device that writes every queued block, in order, to path: a WAV file, or the raw bytes.
// The file appears complete at close (it is written aside and renamed).
PLATFORM_API void WaveOutUseFile(const char* path, bool raw);

}  // namespace platform
