// What a program without a window system of its own needs around the library: a window of its
// thread for the notifications, a wait for the next one, and the choice of a file as the device.
#include "library/frame/frame.h"
#include "library/frame/state.h"
#include "platform/messages.h"
#include "platform/waveout.h"

static std::intptr_t IgnoreMessage(platform::WindowHandle, std::uint32_t, std::uintptr_t,
                                   std::intptr_t) {
    return 0;
}

extern "C" TESALO_API TeWindow TeCreateNotifyWindow(void) {
    return platform::CreateMessageWindow(IgnoreMessage);
}

extern "C" TESALO_API int32_t TeWaitNotify(uint32_t timeoutMs, uint32_t* code, intptr_t* value) {
    const std::uint32_t notify = platform::RegisterMessageName(TE_NOTIFY_MESSAGE);
    const std::uint32_t start = TickCountMs();
    for (std::uint32_t waited = 0; waited <= timeoutMs; waited = TickCountMs() - start) {
        platform::WindowMessage message{};
        if (platform::WaitWindowMessage(&message, timeoutMs - waited) != 1) return 0;
        if (message.message == notify) {
            if (code != nullptr) *code = static_cast<std::uint32_t>(message.wParam);
            if (value != nullptr) *value = message.lParam;
            return 1;
        }
        platform::DispatchWindowMessage(message);
    }
    return 0;
}

extern "C" TESALO_API int32_t TeDestroyNotifyWindow(TeWindow window) {
    return platform::DestroyMessageWindow(window) ? 1 : 0;
}

extern "C" TESALO_API int32_t TeSetOutputFile(const char* path) {
    if (g.bInitialized == 1) return 0;
    if (path != nullptr) {
        platform::WaveOutUseFile(path, false);
    } else {
        platform::WaveOutUsePortAudio();
    }
    return 1;
}
