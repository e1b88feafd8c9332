// Initialisation, shutdown, options and the not-initialised refusals.
#include <cstdlib>

#include "platform/waveout.h"
#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"

using LifecycleTest = LibraryTest;

TEST_F(LifecycleTest, FormatFlagChoosesRateBitsAndBufferSizes) {
    struct Case {
        std::uint32_t flag;
        std::int32_t rate, bits, capacity;
    };
    for (const Case& c :
         {Case{TE_FORMAT_22K_8, 22050, 8, 44100}, Case{TE_FORMAT_22K_16, 22050, 16, 88200},
          Case{TE_FORMAT_44K_8, 44100, 8, 88200}, Case{TE_FORMAT_44K_16, 44100, 16, 176400},
          Case{0, 22050, 8, 44100}, Case{512, 22050, 8, 44100}}) {
        Init(c.flag);
        EXPECT_EQ(g.sampleRate, c.rate) << c.flag;
        EXPECT_EQ(g.bitsPerSample, c.bits) << c.flag;
        EXPECT_EQ(g.waveBuffers[1].capacity, c.capacity) << c.flag;
        EXPECT_EQ(g.waveFormat.avgBytesPerSec, static_cast<std::uint32_t>(c.rate * c.bits / 8));
        EXPECT_EQ(g.mixLength, 3 * c.rate + 640);
        EXPECT_EQ(g.mixCursor - g.mixBuffer, c.rate);
        EXPECT_EQ(TeCleanUp(), 1);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(LifecycleTest, SecondInitIsRefusedButRedirectsNotifications) {
    Init();
    const platform::WindowHandle other =
        platform::CreateMessageWindow([](platform::WindowHandle, std::uint32_t, std::uintptr_t,
                                         std::intptr_t) -> std::intptr_t { return 0; });
    EXPECT_EQ(TeInit(TE_FORMAT_44K_16, other, 16, 0), 0);
    EXPECT_EQ(TeGetParent(), other);
    EXPECT_EQ(g.sampleRate, 22050);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Tesalo is already initialized.\nIt has failed in the call.");
    EXPECT_EQ(boxes[0].caption, u"TESALO.DLL");
    EXPECT_EQ(Take(1000), (std::vector<Notice>{{0, 1}}));  // both windows belong to this thread
    platform::DestroyMessageWindow(other);
}

TEST_F(LifecycleTest, FunctionsThatNeedInitRefuseWithTheMessage) {
    EXPECT_EQ(TeCleanUp(), 0);
    EXPECT_EQ(TeGetSystemVolume(), 0u);
    EXPECT_EQ(TeSetSystemVolume(0xFFFFFFFF), 0);
    const std::uint8_t voice[] = "2 @1,x,15,0,0,0,0,0,0,0,0,0;";
    EXPECT_EQ(TeVoiceSet(voice, sizeof voice - 1), 0);
    ASSERT_EQ(boxes.size(), 4u);
    for (const ShownBox& box : boxes) {
        EXPECT_EQ(box.text, u"Tesalo is not initialized.");
        EXPECT_EQ(box.caption, u"TESALO.DLL");
    }
    EXPECT_EQ(GetVersion(), 98);
}

TEST_F(LifecycleTest, JapaneseTextsNameTheFunction) {
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    Init();
    EXPECT_EQ(TeInit(TE_FORMAT_22K_8, parent, 16, 0), 0);
    EXPECT_EQ(TeCleanUp(), 1);
    EXPECT_EQ(TePlay(), 0);
    unsetenv("LC_ALL");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, u"Tesaloは既に初期化されています\nTeInit()呼び出しは失敗しました");
    EXPECT_EQ(boxes[1].text, u"Tesaloが初期化されていません\nTePlay()呼び出しは失敗しました");
    EXPECT_EQ(Take(1000), (std::vector<Notice>{{0, 1}, {1, 1}}));
}

TEST_F(LifecycleTest, StatusTakesOnlyLimitsFrom8To32AndTeInitResetsBoth) {
    TeSetStatus(20, 1);
    Init();
    EXPECT_EQ(g.polyLimit.load(), 16);
    EXPECT_EQ(g.bLPFDelay.load(), 0);
    EXPECT_EQ(TeSetStatus(7, 1), 1);
    EXPECT_EQ(g.polyLimit.load(), 16);
    EXPECT_EQ(g.bLPFDelay.load(), 1);
    TeSetStatus(33, 0);
    EXPECT_EQ(g.polyLimit.load(), 16);
    TeSetStatus(8, 0);
    EXPECT_EQ(g.polyLimit.load(), 8);
    TeSetStatus(32, 0);
    EXPECT_EQ(g.polyLimit.load(), 32);
}

TEST_F(LifecycleTest, DataSetCopiesTheImage) {
    Init();
    std::uint8_t bytes[3] = {1, 2, 3};
    EXPECT_EQ(TeDataSet(bytes, 3), 1);
    bytes[0] = 9;
    EXPECT_EQ(g.smfImage[0], 1);
    EXPECT_EQ(g.smfLength, 3);
    EXPECT_EQ(TeDataSet(bytes, 0), 1);
    EXPECT_EQ(g.smfLength, 0);
    EXPECT_EQ(TeDataSet(bytes, -1), 0);
    EXPECT_EQ(g.smfImage, nullptr);
}

TEST_F(LifecycleTest, DeviceVolumePassesThrough) {
    Init();
    EXPECT_EQ(TeSetSystemVolume(0x1234ABCD), 1);
    EXPECT_EQ(TeGetSystemVolume(), 0x1234ABCDu);
}

TEST_F(LifecycleTest, ADeviceThatCannotOpenFailsWithItsTextAndReleasesTheThread) {
    platform::WaveOutUseFile("/nonexistent-folder/out.wav", false);
    EXPECT_EQ(TeInit(TE_FORMAT_22K_8, parent, 16, 0), 0);
    EXPECT_EQ(g.bInitialized, 0);
    EXPECT_FALSE(g.readyThread.joinable());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(boxes[0].caption, u"TESALO.DLL");
    EXPECT_EQ(Take(1000), (std::vector<Notice>{{0, 1}}));
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    Init();
}

TEST_F(LifecycleTest, RunningStatusLastsFromSongToSongButNotPastTeInit) {
    Init();
    Load(smf::File(0, 96, {smf::Track{}.Event(0, {0xB2, 7, 8}).End(1)}));
    ASSERT_EQ(TePlay(), 1);
    DrainPlayback();
    EXPECT_EQ(g.runningStatus, 0xB2);
    Load(smf::File(0, 96, {smf::Track{}.Event(0, {11, 16}).End(1)}));  // data byte first
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(g.channels[3].expression, 2);
    DrainPlayback();
    ASSERT_EQ(TeCleanUp(), 1);
    Init();
    EXPECT_EQ(g.runningStatus, 0);
}
