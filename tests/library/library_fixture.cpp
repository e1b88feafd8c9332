#include "tests/library/library_fixture.h"

#include <chrono>
#include <thread>

#include "platform/msgbox.h"
#include "tests/doubles/waveout_null.h"

std::vector<ShownBox> LibraryTest::boxes;

static int RecordBox(const std::u16string& text, const std::u16string& caption, unsigned) {
    LibraryTest::boxes.push_back({text, caption});
    return platform::kBoxResultOk;
}

static std::intptr_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t,
                                    std::intptr_t) {
    return 0;
}

void LibraryTest::SetUp() {
    boxes.clear();
    platform::SetMessageBoxPresenter(RecordBox);
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    parent = platform::CreateMessageWindow(IgnoreMessages);
    platform::WindowMessage stale;
    while (platform::WaitWindowMessage(&stale, 0) == 1) {
    }
}

void LibraryTest::TearDown() {
    if (g.bInitialized != 0) {
        DrainPlayback();
        TeCleanUp();
    }
    platform::DestroyMessageWindow(parent);
    platform::SetMessageBoxPresenter(nullptr);
}

// Stops a song that may still play and lets the ready thread finish with it, so that TeCleanUp
// is called while idle, as the library requires.
void LibraryTest::DrainPlayback() {
    TeStop();
    for (;;) {
        const int completed = platform::WaveOutNullComplete(1);
        const std::vector<Notice> notices = Take(completed == 1 ? 500 : 100);
        for (const Notice& notice : notices) {
            if (notice.code == 6) return;
        }
        if (completed == 0 && notices.empty()) return;
    }
}

void LibraryTest::Init(std::uint32_t flag) {
    ASSERT_EQ(TeInit(flag, parent, 16, 0), 1);
    ASSERT_EQ(Take(1000), (std::vector<Notice>{{0, 0}}));
}

void LibraryTest::Load(const smf::Bytes& image) {
    ASSERT_EQ(TeDataSet(image.data(), static_cast<std::int32_t>(image.size())), 1);
}

std::vector<Notice> LibraryTest::Take(std::uint32_t timeoutMs) {
    std::vector<Notice> notices;
    platform::WindowMessage message;
    while (platform::WaitWindowMessage(&message, notices.empty() ? timeoutMs : 0) == 1) {
        if (message.message == g.notifyMessage) {
            notices.push_back({static_cast<std::uint32_t>(message.wParam), message.lParam});
        }
    }
    return notices;
}

std::vector<Notice> LibraryTest::TakeUntil(std::uint32_t code, std::uint32_t timeoutMs) {
    std::vector<Notice> notices;
    platform::WindowMessage message;
    while (platform::WaitWindowMessage(&message, timeoutMs) == 1) {
        if (message.message != g.notifyMessage) continue;
        notices.push_back({static_cast<std::uint32_t>(message.wParam), message.lParam});
        if (notices.back().code == code) break;
    }
    return notices;
}

// The ready thread reports a block (code 2) before it hands the block to the device: wait until
// the device holds the blocks to finish.
static bool WaitForPending(int count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (platform::WaveOutNullPending() < count) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

std::vector<Notice> LibraryTest::Complete(int count, std::uint32_t until) {
    EXPECT_TRUE(WaitForPending(count));
    EXPECT_EQ(platform::WaveOutNullComplete(count), count);
    return TakeUntil(until);
}

std::vector<std::uint32_t> Codes(const std::vector<Notice>& notices) {
    std::vector<std::uint32_t> codes;
    for (const Notice& notice : notices) codes.push_back(notice.code);
    return codes;
}

std::vector<std::intptr_t> ValuesOf(const std::vector<Notice>& notices, std::uint32_t code) {
    std::vector<std::intptr_t> values;
    for (const Notice& notice : notices) {
        if (notice.code == code) values.push_back(notice.value);
    }
    return values;
}
