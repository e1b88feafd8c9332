// The table of functions each wave output backend fills, and the device record they share.
// Only the platform's own waveout files include this, and the tests' null device, which links the
// platform's static archive.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/waveout.h"

namespace platform {

struct WaveOutBackend;

struct WaveDevice {
    const WaveOutBackend* backend = nullptr;  // the backend it was opened with
    WaveOutHandle handle = 0;
    WindowHandle notifyWindow = 0;
    WaveFormat format{};
    std::atomic<std::uint32_t> volume{0xFFFFFFFFu};
    std::shared_ptr<void> state;  // the backend's own record
};

struct WaveOutBackend {
    std::uint32_t (*deviceCount)();
    // Index of the default device, or kWaveMapper when there is none.
    std::uint32_t (*defaultDevice)();
    std::uint32_t (*getCaps)(std::uint32_t device, WaveOutCaps* caps);
    // Starts the device (a checked index, a checked format) and fills device.state.
    std::uint32_t (*open)(WaveDevice& device, std::uint32_t index);
    // Takes a copy of the block's bytes and queues it; the header is already marked queued.
    std::uint32_t (*write)(WaveDevice& device, BlockHeader* header);
    // Holds the device (held true: nothing more plays, nothing more is done) or plays on.
    std::uint32_t (*hold)(WaveDevice& device, bool held);
    // Takes every queued block off the queue and reports each one done, oldest first.
    std::uint32_t (*reset)(WaveDevice& device);
    // Stops the device and drops its queue; no done notification may follow.
    std::uint32_t (*close)(WaveDevice& device);
};

void SelectWaveOutBackend(const WaveOutBackend* backend);
// The backend used until another one is chosen.
const WaveOutBackend* PortAudioBackend();

// Backends of one device that takes every format: the file, and the tests' null device.
std::uint32_t SingleDeviceCount();
std::uint32_t SingleDeviceDefault();
std::uint32_t DescribeSingleDevice(const char16_t* name, WaveOutCaps* caps);

// Marks the block played and posts kMsgWaveDone for it to the device's window.
void ReportBlockDone(const WaveDevice& device, BlockHeader* header);

// Scales mono samples (8-bit unsigned or 16-bit signed) in place by a device volume: the
// output is mono, so the gain is the mean of the left and right halves over 0xFFFF.
void ApplyVolume(std::uint8_t* samples, std::size_t bytes, unsigned bytesPerSample,
                 std::uint32_t volume);

}  // namespace platform
