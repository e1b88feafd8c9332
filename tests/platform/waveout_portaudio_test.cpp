// The sound card through PortAudio, on ALSA devices that write files: a default output and a
// second device listed before it, as a desktop lists many. PortAudio reads the ALSA
// configuration once per process, so every test here shares the one the suite writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "tests/platform/wave_test_support.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Waits for the done notification of header, up to three seconds.
bool WaitUntilDone(const BlockHeader* header) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < end) {
        WindowMessage msg{};
        if (WaitWindowMessage(&msg, 100) != 1) continue;
        if (msg.message == kMsgWaveDone && reinterpret_cast<BlockHeader*>(msg.lParam) == header)
            return true;
    }
    return false;
}

class PortAudioBackend : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "tesalo-sound-XXXXXX").string();
        home_ = mkdtemp(pattern.data());
        std::ofstream(home_ / ".asoundrc")
            << "pcm.second { type file; slave.pcm \"null\"; file \""
            << (home_ / "second.raw").string() << "\"; format \"raw\" }\n"
            << "pcm.!default { type file; slave.pcm \"null\"; file \""
            << (home_ / "default.raw").string() << "\"; format \"raw\" }\n";
        if (const char* home = std::getenv("HOME")) savedHome_ = home;
        setenv("HOME", home_.c_str(), 1);
    }
    static void TearDownTestSuite() {
        if (savedHome_) setenv("HOME", savedHome_->c_str(), 1);
        fs::remove_all(home_);
    }
    void SetUp() override {
        WaveOutUsePortAudio();
        window_ = CreateMessageWindow(IgnoreMessage);
    }
    void TearDown() override {
        DestroyMessageWindow(window_);
        TakeQueuedMessages();
    }
    // Plays one block of 0.1 s of `level` on device, then closes it.
    void PlayTone(std::uint32_t device, std::uint8_t level) {
        WaveOutHandle handle = 0;
        const WaveFormat format = MonoFormat(22050, 8);
        ASSERT_EQ(WaveOutOpen(&handle, device, &format, window_), kWaveOk);
        std::vector<std::uint8_t> tone(2205, level);
        BlockHeader header = PreparedBlock(handle, tone);
        ASSERT_EQ(WaveOutWrite(handle, &header), kWaveOk);
        EXPECT_TRUE(WaitUntilDone(&header));
        EXPECT_EQ(WaveOutClose(handle), kWaveOk);
    }
    static std::string Played(const char* file) { return ReadFile(home_ / file); }

    static inline fs::path home_;
    static inline std::optional<std::string> savedHome_;
    WindowHandle window_ = 0;
};

}  // namespace

TEST_F(PortAudioBackend, OpeningTheMapperSucceedsOrExplainsWhy) {
    const std::uint32_t count = WaveOutDeviceCount();
    for (std::uint32_t device = 0; device < count; ++device) {
        WaveOutCaps caps{};
        EXPECT_EQ(WaveOutGetCaps(device, &caps), kWaveOk);
    }
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(22050, 16);
    const std::uint32_t error = WaveOutOpen(&device, kWaveMapper, &format, window_);
    if (error == kWaveOk) {
        EXPECT_EQ(WaveOutClose(device), kWaveOk);
    } else {
        char16_t text[256] = {};
        WaveOutErrorText(error, text, 256);
        EXPECT_NE(text[0], u'\0');
        if (count == 0) {
            EXPECT_EQ(error, kWaveErrorBadDevice);
        }
    }
}

TEST_F(PortAudioBackend, TheOneDeviceIsTheDefaultOutputAndSoIsTheMapper) {
    ASSERT_EQ(WaveOutDeviceCount(), 1u);
    WaveOutCaps caps{};
    ASSERT_EQ(WaveOutGetCaps(0, &caps), kWaveOk);
    EXPECT_EQ(caps.formats,
              kFormatMono22k8 | kFormatMono22k16 | kFormatMono44k8 | kFormatMono44k16);
    EXPECT_EQ(std::u16string(caps.name), u"default");

    PlayTone(0, 0x40);
    EXPECT_NE(Played("default.raw").find(std::string(2205, '\x40')), std::string::npos);
    PlayTone(kWaveMapper, 0x30);
    EXPECT_NE(Played("default.raw").find(std::string(2205, '\x30')), std::string::npos);
    EXPECT_EQ(Played("second.raw").find_first_not_of('\x80'), std::string::npos);
}

TEST_F(PortAudioBackend, StreamRunsOnlyWhileBlocksAreQueued) {
    WaveOutHandle handle = 0;
    const WaveFormat format = MonoFormat(22050, 8);
    ASSERT_EQ(WaveOutOpen(&handle, kWaveMapper, &format, window_), kWaveOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string opened = Played("default.raw");
    EXPECT_EQ(opened.find_first_not_of('\x80'), std::string::npos);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(Played("default.raw").size(), opened.size());  // open and idle: nothing plays

    std::vector<std::uint8_t> first(2205, 0x40), second(2205, 0x30);
    BlockHeader firstHeader = PreparedBlock(handle, first);
    ASSERT_EQ(WaveOutWrite(handle, &firstHeader), kWaveOk);
    EXPECT_TRUE(WaitUntilDone(&firstHeader));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::size_t drained = Played("default.raw").size();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(Played("default.raw").size(), drained);  // the queue ran dry: the stream stopped

    // The next block starts the stream again and plays whole.
    BlockHeader secondHeader = PreparedBlock(handle, second);
    ASSERT_EQ(WaveOutWrite(handle, &secondHeader), kWaveOk);
    EXPECT_TRUE(WaitUntilDone(&secondHeader));
    EXPECT_EQ(WaveOutClose(handle), kWaveOk);
    const std::string played = Played("default.raw");
    EXPECT_NE(played.find(std::string(2205, '\x40')), std::string::npos);
    EXPECT_NE(played.find(std::string(2205, '\x30')), std::string::npos);
}

// A hold stops the sound in the middle of a block, silence filling in, without losing or
// repeating a byte of it; what is written meanwhile waits, and a reset drops the waiting blocks,
// each reported done.
TEST_F(PortAudioBackend, AHeldStreamPlaysOnWithoutLossAndAResetDropsWhatWaits) {
    WaveOutHandle handle = 0;
    const WaveFormat format = MonoFormat(22050, 8);
    ASSERT_EQ(WaveOutOpen(&handle, kWaveMapper, &format, window_), kWaveOk);
    std::vector<std::uint8_t> song(3 * 22050, 0x40), dropped(2205, 0x30);
    BlockHeader songHeader = PreparedBlock(handle, song);
    ASSERT_EQ(WaveOutWrite(handle, &songHeader), kWaveOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_EQ(WaveOutPause(handle), kWaveOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // what the card holds plays
    const std::string held = Played("default.raw");
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    const std::string later = Played("default.raw");
    EXPECT_EQ(std::count(later.begin(), later.end(), '\x40'),
              std::count(held.begin(), held.end(), '\x40'));
    EXPECT_TRUE(DoneBlocks(TakeQueuedMessages()).empty());  // the block waits, half played

    ASSERT_EQ(WaveOutRestart(handle), kWaveOk);
    EXPECT_TRUE(WaitUntilDone(&songHeader));
    ASSERT_EQ(WaveOutPause(handle), kWaveOk);
    BlockHeader first = PreparedBlock(handle, dropped), second = PreparedBlock(handle, dropped);
    ASSERT_EQ(WaveOutWrite(handle, &first), kWaveOk);
    ASSERT_EQ(WaveOutWrite(handle, &second), kWaveOk);
    ASSERT_EQ(WaveOutReset(handle), kWaveOk);
    EXPECT_EQ(DoneBlocks(TakeQueuedMessages()), (std::vector<BlockHeader*>{&first, &second}));
    ASSERT_EQ(WaveOutRestart(handle), kWaveOk);
    EXPECT_EQ(WaveOutClose(handle), kWaveOk);
    const std::string played = Played("default.raw");
    EXPECT_EQ(std::count(played.begin(), played.end(), '\x40'), 3 * 22050);
    EXPECT_EQ(played.find('\x30'), std::string::npos);
}

}  // namespace platform
