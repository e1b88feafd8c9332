#include "library/frame/ready_thread.h"

#include "library/frame/frame.h"
#include "library/frame/state.h"
#include "platform/event.h"
#include "platform/messages.h"

static const char kStartEvent[] = "TESALO_READYMESSAGETHREAD";

// A device that plays faster than real time may report a block done while TePlay is still
// queueing the first two; the block is handled once TePlay has finished.
static void WaitUntilPlayStarted() {
    while (g.playStarting.load(std::memory_order_acquire) != 0) YieldTimeSlice();
}

// Thread priorities are left to the system: raising one needs privileges a desktop user lacks.
static std::intptr_t ReadyWindowProc(WindowHandle window, std::uint32_t message, std::uintptr_t,
                                     std::intptr_t) {
    switch (message) {
        case kMsgWaveDone:
            WaitUntilPlayStarted();
            TeSetNextBuffer();
            break;
        case kMsgWaveClosed:
            DestroyMessageWindow(window);
            break;
        case kMsgDestroy:
            PostQuitWindowMessage(0);
            break;
        default:
            break;
    }
    return 0;
}

static void ReadyThreadMain() {
    EventHandle started = OpenNamedEvent(kStartEvent);
    g.readyWindow = CreateMessageWindow(ReadyWindowProc, nullptr);
    SignalEvent(started);
    CloseEvent(started);
    WindowMessage message;
    while (GetWindowMessage(&message) > 0) DispatchWindowMessage(message);
}

void StartReadyThread() {
    EventHandle started = CreateNamedEvent(kStartEvent);
    g.readyThread = std::thread(ReadyThreadMain);
    WaitEvent(started);
    CloseEvent(started);
}

void JoinReadyThread() {
    if (g.readyThread.joinable()) g.readyThread.join();
    g.readyWindow = 0;
}

void EndReadyThreadWithoutDevice() {
    PostWindowMessage(g.readyWindow, kMsgWaveClosed, 0, 0);
    JoinReadyThread();
}
