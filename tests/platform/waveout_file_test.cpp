#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/platform/wave_test_support.h"

namespace platform {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class FileBackend : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tesalo_wave_" + std::to_string(::getpid()) + "_" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        window_ = CreateMessageWindow(IgnoreMessage);
    }
    void TearDown() override {
        DestroyMessageWindow(window_);
        TakeQueuedMessages();
        fs::remove_all(folder_);
    }
    static Bytes ReadFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static std::uint32_t Le(const Bytes& bytes, std::size_t at, int count) {
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
        return value;
    }
    fs::path folder_;
    WindowHandle window_ = 0;
};

TEST_F(FileBackend, OneDeviceWithEveryMonoFormat) {
    WaveOutUseFile((folder_ / "x.wav").c_str(), false);
    EXPECT_EQ(WaveOutDeviceCount(), 1u);
    WaveOutCaps caps{};
    ASSERT_EQ(WaveOutGetCaps(0, &caps), kWaveOk);
    EXPECT_EQ(std::u16string(caps.name), u"file");
    EXPECT_EQ(caps.formats, 0x0550u);
    EXPECT_EQ(WaveOutGetCaps(1, &caps), kWaveErrorBadDevice);
}

TEST_F(FileBackend, WavFileHoldsEveryBlockInOrderAndAppearsAtClose) {
    const fs::path path = folder_ / "song.wav";
    WaveOutUseFile(path.c_str(), false);
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(22050, 16);
    ASSERT_EQ(WaveOutOpen(&device, kWaveMapper, &format, window_), kWaveOk);

    Bytes first = {0x01, 0x02, 0x03, 0x04}, second = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60},
          third = {0xFE, 0xFF};
    BlockHeader a = PreparedBlock(device, first), b = PreparedBlock(device, second),
                c = PreparedBlock(device, third);
    EXPECT_EQ(WaveOutWrite(device, &a), kWaveOk);
    EXPECT_EQ(WaveOutWrite(device, &b), kWaveOk);
    EXPECT_EQ(WaveOutWrite(device, &c), kWaveOk);
    EXPECT_EQ(a.flags & (WHDR_DONE | WHDR_INQUEUE | WHDR_PREPARED), WHDR_DONE | WHDR_PREPARED);

    std::vector<WindowMessage> messages = TakeQueuedMessages();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].message, kMsgWaveOpened);
    EXPECT_EQ(DoneBlocks(messages), (std::vector<BlockHeader*>{&a, &b, &c}));
    EXPECT_FALSE(fs::exists(path));

    ASSERT_EQ(WaveOutClose(device), kWaveOk);
    messages = TakeQueuedMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, kMsgWaveClosed);

    const Bytes file = ReadFile(path);
    ASSERT_EQ(file.size(), 44u + 12u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{'R', 'I', 'F', 'F'}));
    EXPECT_EQ(Le(file, 4, 4), 36u + 12u);
    EXPECT_EQ(Bytes(file.begin() + 8, file.begin() + 16),
              (Bytes{'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}));
    EXPECT_EQ(Le(file, 16, 4), 16u);
    EXPECT_EQ(Le(file, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(file, 22, 2), 1u);  // mono
    EXPECT_EQ(Le(file, 24, 4), 22050u);
    EXPECT_EQ(Le(file, 28, 4), 44100u);  // bytes per second
    EXPECT_EQ(Le(file, 32, 2), 2u);
    EXPECT_EQ(Le(file, 34, 2), 16u);
    EXPECT_EQ(Bytes(file.begin() + 36, file.begin() + 40), (Bytes{'d', 'a', 't', 'a'}));
    EXPECT_EQ(Le(file, 40, 4), 12u);
    EXPECT_EQ(Bytes(file.begin() + 44, file.end()),
              (Bytes{0x01, 0x02, 0x03, 0x04, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0xFE, 0xFF}));
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
}

TEST_F(FileBackend, OddDataIsPaddedInWavAndKeptAsItIsInRaw) {
    const WaveFormat format = MonoFormat(44100, 8);
    for (bool raw : {false, true}) {
        const fs::path path = folder_ / (raw ? "song.raw" : "song.wav");
        WaveOutUseFile(path.c_str(), raw);
        WaveOutHandle device = 0;
        ASSERT_EQ(WaveOutOpen(&device, 0, &format, window_), kWaveOk);
        Bytes bytes = {0x80, 0x7F, 0x81};
        BlockHeader header = PreparedBlock(device, bytes);
        ASSERT_EQ(WaveOutWrite(device, &header), kWaveOk);
        ASSERT_EQ(WaveOutClose(device), kWaveOk);
        const Bytes file = ReadFile(path);
        if (raw) {
            EXPECT_EQ(file, bytes);
        } else {
            ASSERT_EQ(file.size(), 44u + 4u);
            EXPECT_EQ(Le(file, 4, 4), 36u + 4u);
            EXPECT_EQ(Le(file, 28, 4), 44100u);
            EXPECT_EQ(Le(file, 32, 2), 1u);
            EXPECT_EQ(Le(file, 40, 4), 3u);
            EXPECT_EQ(Bytes(file.begin() + 44, file.end()), (Bytes{0x80, 0x7F, 0x81, 0x00}));
        }
    }
}

TEST_F(FileBackend, AFileThatCannotBeCreatedRefusesTheOpen) {
    WaveOutUseFile((folder_ / "missing" / "song.wav").c_str(), false);
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(22050, 8);
    const std::uint32_t error = WaveOutOpen(&device, kWaveMapper, &format, window_);
    EXPECT_EQ(error, kWaveErrorFailed);
    char16_t text[256];
    WaveOutErrorText(error, text, 256);
    EXPECT_NE(text[0], u'\0');
    EXPECT_TRUE(TakeQueuedMessages().empty());
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(FileBackend, VolumeIsKeptButTheBytesAreWrittenUnchanged) {
    const fs::path path = folder_ / "quiet.raw";
    WaveOutUseFile(path.c_str(), true);
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(22050, 8);
    ASSERT_EQ(WaveOutOpen(&device, kWaveMapper, &format, window_), kWaveOk);
    ASSERT_EQ(WaveOutSetVolume(device, 0x40002000u), kWaveOk);
    std::uint32_t volume = 0;
    ASSERT_EQ(WaveOutGetVolume(device, &volume), kWaveOk);
    EXPECT_EQ(volume, 0x40002000u);
    Bytes bytes = {0x00, 0xFF};
    BlockHeader header = PreparedBlock(device, bytes);
    ASSERT_EQ(WaveOutWrite(device, &header), kWaveOk);
    ASSERT_EQ(WaveOutClose(device), kWaveOk);
    EXPECT_EQ(ReadFile(path), bytes);
}

}  // namespace

}  // namespace platform
