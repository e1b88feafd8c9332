#include "platform/messages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace platform {

namespace {

struct Call {
    WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

std::vector<Call> calls;
// Whether a post to the window succeeded while its procedure heard of its destruction.
bool postedWhileDestroyed = false;
constexpr std::uint32_t kMsgPostedWhileDestroyed = 0x8010;

std::intptr_t RecordingProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    calls.push_back(Call{window, message, wParam, lParam});
    return 42;
}

// Records like RecordingProc, and posts to the window while it is being destroyed.
std::intptr_t PostingProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
    if (message == kMsgDestroy) {
        postedWhileDestroyed = PostWindowMessage(window, kMsgPostedWhileDestroyed, 0, 0);
    }
    return RecordingProc(window, message, wParam, lParam);
}

TEST(MessageNames, SameNameSameNumberFromTheRegisteredRange) {
    const std::uint32_t notify = RegisterMessageName("TEDLL_NOTIFY");
    const std::uint32_t other = RegisterMessageName("SOMETHING_ELSE");
    EXPECT_GE(notify, kFirstRegisteredMessage);
    EXPECT_GE(other, kFirstRegisteredMessage);
    EXPECT_NE(notify, other);
    EXPECT_EQ(RegisterMessageName("TEDLL_NOTIFY"), notify);
    EXPECT_EQ(RegisterMessageName(""), 0u);

    std::uint32_t fromThread = 0;
    std::thread([&fromThread] { fromThread = RegisterMessageName("SOMETHING_ELSE"); }).join();
    EXPECT_EQ(fromThread, other);
}

TEST(MessageWindows, PostFromAnotherThreadIsTakenAndDispatchedByTheOwner) {
    calls.clear();
    const WindowHandle window = CreateMessageWindow(RecordingProc);
    std::thread([window] {
        EXPECT_TRUE(PostWindowMessage(window, 0x8001, 1, -1));
        EXPECT_TRUE(PostWindowMessage(window, 0x8002, 2, -2));
    }).join();

    WindowMessage msg{};
    ASSERT_EQ(GetWindowMessage(&msg), 1);
    EXPECT_EQ(msg.window, window);
    EXPECT_EQ(msg.message, 0x8001u);
    EXPECT_EQ(DispatchWindowMessage(msg), 42);
    ASSERT_EQ(GetWindowMessage(&msg), 1);
    EXPECT_EQ(msg.message, 0x8002u);
    EXPECT_EQ(msg.lParam, -2);
    DispatchWindowMessage(msg);

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].message, 0x8001u);
    EXPECT_EQ(calls[0].wParam, 1u);
    EXPECT_EQ(calls[1].message, 0x8002u);
    DestroyMessageWindow(window);
}

TEST(MessageWindows, EachThreadTakesOnlyItsOwnWindowsMessages) {
    WindowHandle window = 0;
    WindowMessage received{};
    std::thread owner([&] {
        window = CreateMessageWindow(RecordingProc);
        PostWindowMessage(window, 0x8003, 0, 0);
        GetWindowMessage(&received);
        DestroyMessageWindow(window);
    });
    owner.join();
    EXPECT_EQ(received.message, 0x8003u);
    WindowMessage msg{};
    EXPECT_EQ(WaitWindowMessage(&msg, 0), -1);
}

TEST(MessageWindows, DestroyTellsTheProcedureThenPostsFail) {
    calls.clear();
    const WindowHandle window = CreateMessageWindow(PostingProc);
    ASSERT_TRUE(PostWindowMessage(window, 0x8004, 0, 0));
    ASSERT_TRUE(DestroyMessageWindow(window));

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, kMsgDestroy);
    // A destroyed window is still a window while its procedure hears of it.
    EXPECT_TRUE(postedWhileDestroyed);
    EXPECT_FALSE(PostWindowMessage(window, 0x8005, 0, 0));
    EXPECT_FALSE(DestroyMessageWindow(window));

    // The messages queued before the window went are dropped at dispatch.
    WindowMessage msg{};
    for (std::uint32_t queued : {0x8004u, kMsgPostedWhileDestroyed}) {
        ASSERT_EQ(WaitWindowMessage(&msg, 0), 1);
        EXPECT_EQ(msg.message, queued);
        EXPECT_EQ(DispatchWindowMessage(msg), 0);
    }
    EXPECT_EQ(calls.size(), 1u);

    const WindowHandle next = CreateMessageWindow(RecordingProc);
    EXPECT_NE(next, window);
    DestroyMessageWindow(next);
}

TEST(MessageWindows, QuitEndsTheLoopAfterEarlierMessages) {
    const WindowHandle window = CreateMessageWindow(RecordingProc);
    PostWindowMessage(window, 0x8006, 0, 0);
    PostQuitWindowMessage(7);
    WindowMessage msg{};
    EXPECT_EQ(GetWindowMessage(&msg), 1);
    EXPECT_EQ(msg.message, 0x8006u);
    EXPECT_EQ(GetWindowMessage(&msg), 0);
    EXPECT_EQ(msg.message, kMsgQuit);
    EXPECT_EQ(msg.wParam, 7u);
    DestroyMessageWindow(window);
}

TEST(MessageWindows, WaitGivesUpOnAnEmptyQueue) {
    WindowMessage msg{};
    EXPECT_EQ(WaitWindowMessage(&msg, 5), -1);
    PostQuitWindowMessage(0);
    EXPECT_EQ(WaitWindowMessage(&msg, 5), 0);
}

struct BridgeLog {
    std::thread::id thread;
    std::uint32_t message = 0;
    int count = 0;
};

void RecordBridge(void* context, std::uint32_t message, std::uintptr_t, std::intptr_t) {
    auto* log = static_cast<BridgeLog*>(context);
    log->thread = std::this_thread::get_id();
    log->message = message;
    ++log->count;
}

TEST(BridgeWindows, PostCallsTheCallbackOnThePostingThreadUntilDestroyed) {
    BridgeLog log;
    const WindowHandle bridge = CreateBridgeWindow(RecordBridge, &log);
    std::thread::id poster;
    std::thread([&] {
        poster = std::this_thread::get_id();
        EXPECT_TRUE(PostWindowMessage(bridge, 0x8007, 0, 0));
    }).join();
    EXPECT_EQ(log.count, 1);
    EXPECT_EQ(log.message, 0x8007u);
    EXPECT_EQ(log.thread, poster);

    ASSERT_TRUE(DestroyMessageWindow(bridge));
    EXPECT_FALSE(PostWindowMessage(bridge, 0x8008, 0, 0));
    EXPECT_EQ(log.count, 1);
}

// The player's window hands its bridge a receiver that dies right after the destroy: a post in
// progress finishes first, and none reaches the receiver after (ThreadSanitizer and
// AddressSanitizer builds see a late or unordered call).
TEST(BridgeWindows, DestroyWaitsForAPostInProgressAndNoneReachesTheReceiverAfter) {
    for (int round = 0; round < 40; ++round) {
        auto log = std::make_unique<BridgeLog>();
        const WindowHandle bridge = CreateBridgeWindow(RecordBridge, log.get());
        std::atomic<bool> posting{false};
        int accepted = 0;
        std::thread poster([&] {
            posting = true;
            while (PostWindowMessage(bridge, 0x8009, 0, 0)) ++accepted;
        });
        while (!posting) std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::microseconds(round * 25));
        ASSERT_TRUE(DestroyMessageWindow(bridge));
        const int seen = log->count;
        log.reset();
        poster.join();
        EXPECT_EQ(seen, accepted) << round;
    }
}

}  // namespace

}  // namespace platform
