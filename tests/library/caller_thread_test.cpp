// The calls a player makes while a song plays, made from the caller's thread as fast as it can
// while the ready thread renders on a device that takes every block at once. Run under
// ThreadSanitizer (make test-tsan) they show any state the two threads share without order.
#include <string>

#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"

namespace {

const char kSampleChars[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]";

// Tone 1, looped, and a default drum: every voice of the songs below sounds.
std::string TwoVoiceFile() {
    std::string wave;
    for (int i = 0; i < 64; ++i) wave += kSampleChars[(i * 7) % 65];
    return "2\n#1 Default,0,64," + wave + ";\n@001,Piano,15,8,8,8,0,0,0,0,64,1\n" + wave + ";\n";
}

// `blocks` blocks of division 96, each with a chord of three notes and a drum hit.
smf::Bytes ChordSong(int blocks) {
    smf::Track track;
    for (int block = 0; block < blocks; ++block) {
        const std::uint8_t key = static_cast<std::uint8_t>(48 + block % 24);
        track.Event(block == 0 ? 0 : 1, {0x90, key, 100})
            .Event(0, {0x90, static_cast<std::uint8_t>(key + 4), 90})
            .Event(0, {0x90, static_cast<std::uint8_t>(key + 7), 80})
            .Event(0, {0x99, 36, 127})
            .Event(95, {0x80, key, 0})
            .Event(0, {0x80, static_cast<std::uint8_t>(key + 4), 0})
            .Event(0, {0x80, static_cast<std::uint8_t>(key + 7), 0});
    }
    track.End(0);
    return smf::File(0, 96, {track});
}

class CallerThreadTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        platform::WaveOutUseNull(platform::NullPacing::kInstant);
        Init(TE_FORMAT_22K_16);
        const std::string voices = TwoVoiceFile();
        ASSERT_EQ(TeVoiceSet(reinterpret_cast<const std::uint8_t*>(voices.data()),
                             static_cast<std::int32_t>(voices.size())),
                  1);
    }

    // Calls every setting a player may change during a song, once each, in turn.
    static void ChangeSettings(int round) {
        EXPECT_EQ(TeSetStatus(round % 2 == 0 ? 8 : 32, round % 3 == 0 ? 1 : 0), 1);
        EXPECT_EQ(SetMasterVolume(static_cast<std::uint8_t>(round % 17)), 1);
        const std::uint32_t half = static_cast<std::uint32_t>(round % 16) * 0x1111u;
        EXPECT_EQ(TeSetSystemVolume(half << 16 | half), 1);
        TeGetSystemVolume();
    }
};

// The settings change between and inside blocks; the song still plays every block, in order,
// and ends with code 6 value 0.
TEST_F(CallerThreadTest, SettingsChangedDuringASongLeaveItsBlocksAndEnd) {
    constexpr int kBlocks = 60;
    Load(ChordSong(kBlocks));
    ASSERT_EQ(TePlay(), 1);
    std::vector<Notice> notices;
    for (int round = 0; notices.empty() || notices.back().code != 6; ++round) {
        ASSERT_LT(round, 1000000) << "the song never ended";
        ChangeSettings(round);
        for (const Notice& notice : Take()) notices.push_back(notice);
    }
    EXPECT_EQ(notices.back(), (Notice{6, 0}));
    const std::vector<std::intptr_t> reported = ValuesOf(notices, 2);
    ASSERT_EQ(reported.size(), static_cast<std::size_t>(kBlocks));
    for (int block = 0; block < kBlocks; ++block) EXPECT_EQ(reported[block], block + 1);
}

// TeStop from the caller while the ready thread renders: the song ends with code 6 value 0
// within the two blocks already queued, and the next song plays from its start.
TEST_F(CallerThreadTest, StopDuringRenderingEndsTheSongAndTheNextOnePlays) {
    for (int song = 0; song < 20; ++song) {
        Load(ChordSong(200));
        ASSERT_EQ(TePlay(), 1);
        for (int round = 0; round < song * 3; ++round) ChangeSettings(round);
        EXPECT_EQ(TeStop(), 1);
        const std::vector<Notice> notices = TakeUntil(6);
        ASSERT_FALSE(notices.empty()) << song;
        EXPECT_EQ(notices.back(), (Notice{6, 0})) << song;
        const std::vector<std::intptr_t> reported = ValuesOf(notices, 2);
        ASSERT_FALSE(reported.empty()) << song;
        EXPECT_EQ(reported.front(), 1) << song;
        EXPECT_LT(reported.size(), 200u) << song;
    }
}

}  // namespace
