// What every backend shares: handles, formats, block flags, volume and error texts.
#include <gtest/gtest.h>

#include "platform/waveout_backend.h"
#include "tests/doubles/waveout_null.h"
#include "tests/platform/wave_test_support.h"

namespace platform {

namespace {

TEST(WaveOut, BlocksMustBePreparedBeforeTheyAreWritten) {
    WaveOutUseNull(NullPacing::kManual);
    const WindowHandle window = CreateMessageWindow(IgnoreMessage);
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(44100, 16);
    ASSERT_EQ(WaveOutOpen(&device, 0, &format, window), kWaveOk);
    std::vector<std::uint8_t> bytes(4);
    BlockHeader header{};
    header.data = bytes.data();
    header.length = 4;
    EXPECT_EQ(WaveOutWrite(device, &header), kWaveErrorUnprepared);
    EXPECT_EQ(WaveOutNullPending(), 0);
    EXPECT_EQ(WaveOutPrepare(device, &header), kWaveOk);
    EXPECT_EQ(WaveOutPrepare(device, &header), kWaveOk);
    EXPECT_EQ(header.flags, WHDR_PREPARED);
    EXPECT_EQ(WaveOutUnprepare(device, &header), kWaveOk);
    EXPECT_EQ(header.flags, 0u);
    WaveOutClose(device);
    EXPECT_EQ(WaveOutPrepare(device, &header), kWaveErrorBadHandle);
    DestroyMessageWindow(window);
    TakeQueuedMessages();
}

TEST(WaveOut, VolumeStartsFullAndIsKeptPerDevice) {
    WaveOutUseNull(NullPacing::kInstant);
    WaveOutHandle device = 0;
    const WaveFormat format = MonoFormat(22050, 8);
    ASSERT_EQ(WaveOutOpen(&device, kWaveMapper, &format, 0), kWaveOk);
    std::uint32_t volume = 0;
    ASSERT_EQ(WaveOutGetVolume(device, &volume), kWaveOk);
    EXPECT_EQ(volume, 0xFFFFFFFFu);
    ASSERT_EQ(WaveOutSetVolume(device, 0x8000FFFFu), kWaveOk);
    ASSERT_EQ(WaveOutGetVolume(device, &volume), kWaveOk);
    EXPECT_EQ(volume, 0x8000FFFFu);
    WaveOutClose(device);
    EXPECT_EQ(WaveOutGetVolume(device, &volume), kWaveErrorBadHandle);
}

TEST(WaveOut, OnlyMonoPcmOfEightOrSixteenBitsOpens) {
    WaveOutUseNull(NullPacing::kInstant);
    WaveOutHandle device = 0;
    WaveFormat stereo = MonoFormat(22050, 16);
    stereo.channels = 2;
    EXPECT_EQ(WaveOutOpen(&device, kWaveMapper, &stereo, 0), kWaveErrorBadFormat);
    const WaveFormat twentyFour = MonoFormat(22050, 24);
    EXPECT_EQ(WaveOutOpen(&device, kWaveMapper, &twentyFour, 0), kWaveErrorBadFormat);
    const WaveFormat mono = MonoFormat(22050, 16);
    EXPECT_EQ(WaveOutOpen(&device, 1, &mono, 0), kWaveErrorBadDevice);
    EXPECT_EQ(device, 0u);
}

TEST(WaveOut, ErrorTextsAreCutToTheCapacity) {
    char16_t text[64];
    ASSERT_EQ(WaveOutErrorText(kWaveErrorBadDevice, text, 64), kWaveOk);
    EXPECT_EQ(std::u16string(text), u"No sound output device is available.");
    ASSERT_EQ(WaveOutErrorText(kWaveErrorBadDevice, text, 3), kWaveOk);
    EXPECT_EQ(std::u16string(text), u"No");
    for (std::uint32_t error :
         {kWaveErrorFailed, kWaveErrorBadHandle, kWaveErrorNoMemory, kWaveErrorBadParam,
          kWaveErrorBadFormat, kWaveErrorStillPlaying, kWaveErrorUnprepared}) {
        WaveOutErrorText(error, text, 64);
        EXPECT_GT(std::u16string(text).size(), 10u) << error;
    }
}

TEST(WaveOut, VolumeScalesSamplesByTheMeanOfBothHalves) {
    // Full volume leaves the samples as they are.
    std::vector<std::uint8_t> eight = {0xFF, 0x00, 0x80, 0xC7};
    ApplyVolume(eight.data(), eight.size(), 1, 0xFFFFFFFFu);
    EXPECT_EQ(eight, (std::vector<std::uint8_t>{0xFF, 0x00, 0x80, 0xC7}));
    // Left full, right silent: half. 0xFF is +127 -> 63.5 -> 63; 0x00 is -128 -> -64;
    // 0xC7 is +71 -> 35.5 -> 35.
    ApplyVolume(eight.data(), eight.size(), 1, 0x0000FFFFu);
    EXPECT_EQ(eight, (std::vector<std::uint8_t>{0xBF, 0x40, 0x80, 0xA3}));

    // 16-bit little-endian 32767 and -32768 at a quarter (0x4000 + 0x3FFF = 0x7FFF of 0x1FFFE):
    // 32767 * 0x7FFF / 0x1FFFE = 8191.6 -> 8191 (0x1FFF); -32768 -> -8191.9 -> -8191 (0xE001),
    // cut toward zero.
    std::vector<std::uint8_t> sixteen = {0xFF, 0x7F, 0x00, 0x80};
    ApplyVolume(sixteen.data(), sixteen.size(), 2, 0x40003FFFu);
    EXPECT_EQ(sixteen, (std::vector<std::uint8_t>{0xFF, 0x1F, 0x01, 0xE0}));
    ApplyVolume(sixteen.data(), sixteen.size(), 2, 0);
    EXPECT_EQ(sixteen, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

}  // namespace

}  // namespace platform
