// Helpers for tests of the wave output device: a notification window and its messages.
#pragma once

#include <vector>

#include "platform/messages.h"
#include "platform/waveout.h"

namespace platform {

inline std::intptr_t IgnoreMessage(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

inline WaveFormat MonoFormat(std::uint32_t rate, std::uint16_t bits) {
    const auto align = static_cast<std::uint16_t>(bits / 8);
    return WaveFormat{1, 1, rate, rate * align, align, bits, 0};
}

// The messages already in the calling thread's queue.
inline std::vector<WindowMessage> TakeQueuedMessages() {
    std::vector<WindowMessage> messages;
    WindowMessage msg{};
    while (WaitWindowMessage(&msg, 0) == 1) messages.push_back(msg);
    return messages;
}

// The headers of the done notifications among messages, in order.
inline std::vector<BlockHeader*> DoneBlocks(const std::vector<WindowMessage>& messages) {
    std::vector<BlockHeader*> done;
    for (const WindowMessage& msg : messages) {
        if (msg.message == kMsgWaveDone) done.push_back(reinterpret_cast<BlockHeader*>(msg.lParam));
    }
    return done;
}

// A block over bytes, prepared on the device.
inline BlockHeader PreparedBlock(WaveOutHandle device, std::vector<std::uint8_t>& bytes) {
    BlockHeader header{};
    header.data = bytes.data();
    header.length = static_cast<std::uint32_t>(bytes.size());
    WaveOutPrepare(device, &header);
    return header;
}

}  // namespace platform
