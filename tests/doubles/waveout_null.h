// The null wave output device of the tests and benchmarks: one device (or a list of them) that
// discards the bytes, done with each block at once, in real time or when the test says so (none
// while it is held), and able to refuse writes. It plugs into the platform layer's backend seam and
// exists only in the programs that link the doubles: the shipped libraries know nothing of it.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

enum class NullPacing {
    kInstant,   // every block is done as soon as it is queued
    kRealTime,  // a block is done after its playing time
    kManual,    // blocks are done only when WaveOutNullComplete says so
};
// Backend choice, made before a device is opened: the null device with that pacing.
void WaveOutUseNull(NullPacing pacing);
// Manual pacing: completes up to count queued blocks, oldest first; returns how many.
int WaveOutNullComplete(int count);
// Blocks queued and not yet done.
int WaveOutNullPending();
// As many devices as formats has entries, each with its kFormat* bits (tests of device lists).
// Until the first call: one device with every format.
void WaveOutNullDevices(const std::vector<std::uint32_t>& formats);
// The next `count` writes fail with kWaveErrorFailed (tests of refused blocks).
void WaveOutNullFailWrites(int count);

}  // namespace platform
