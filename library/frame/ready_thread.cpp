#include "library/frame/ready_thread.h"

#include "library/frame/frame.h"
#include "library/frame/state.h"
#include "platform/event.h"
#include "platform/messages.h"

static const char kStartEvent[] = "TESALO_READYMESSAGETHREAD";
// The thread's own message: drop what the held device keeps.
constexpr std::uint32_t kMsgDropHeldBlocks = 0x0400;

// A device that plays faster than real time may report a block done while TePlay is still
// queueing the first two; the block is handled once TePlay has finished. The thread sleeps
// meanwhile instead of spinning, which would take a core from the rendering it waits for.
static void WaitUntilPlayStarted() {
    for (std::int32_t value; (value = g.playStarting.load(std::memory_order_acquire)) != 0;) {
        g.playStarting.wait(value, std::memory_order_acquire);
    }
}

// Thread priorities are left to the system: raising one needs privileges a desktop user lacks.
static std::intptr_t ReadyWindowProc(platform::WindowHandle window, std::uint32_t message,
                                     std::uintptr_t, std::intptr_t) {
    switch (message) {
        case platform::kMsgWaveDone:
            WaitUntilPlayStarted();
            TeSetNextBuffer();
            break;
        case kMsgDropHeldBlocks: platform::WaveOutReset(g.waveOut); break;
        case platform::kMsgWaveClosed: platform::DestroyMessageWindow(window); break;
        case platform::kMsgDestroy: platform::PostQuitWindowMessage(0); break;
        default: break;
    }
    return 0;
}

static void ReadyThreadMain() {
    platform::EventHandle started = platform::OpenNamedEvent(kStartEvent);
    g.readyWindow = platform::CreateMessageWindow(ReadyWindowProc);
    platform::SignalEvent(started);
    platform::CloseEvent(started);
    platform::WindowMessage message;
    while (platform::GetWindowMessage(&message) > 0) platform::DispatchWindowMessage(message);
}

void StartReadyThread() {
    platform::EventHandle started = platform::CreateNamedEvent(kStartEvent);
    g.readyThread = std::thread(ReadyThreadMain);
    platform::WaitEvent(started);
    platform::CloseEvent(started);
}

// Joining could wait for ever: the thread may be waiting for a message box of a window system
// that is gone, or for a device that the sound system's own exit handler has already stopped.
LibraryState::~LibraryState() {
    if (readyThread.joinable()) readyThread.detach();
}

void JoinReadyThread() {
    if (g.readyThread.joinable()) g.readyThread.join();
    g.readyWindow = 0;
}

void DropHeldBlocks() { platform::PostWindowMessage(g.readyWindow, kMsgDropHeldBlocks, 0, 0); }

void EndReadyThreadWithoutDevice() {
    platform::PostWindowMessage(g.readyWindow, platform::kMsgWaveClosed, 0, 0);
    JoinReadyThread();
}
