// The millisecond counter and the yield that the frame hands the sequencer for its load figure.
#include <chrono>
#include <thread>

#include "library/frame/frame.h"

std::uint32_t TickCountMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void YieldTimeSlice() { std::this_thread::yield(); }
