// Pausing: a held device is done with nothing, so the song stands still; it plays on where it
// stood, and a stop while held ends the song at once without playing what waits.
#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"

using HoldTest = LibraryTest;
using smf::Track;

namespace {

// Division 96, blocks of 96 ticks: six blocks.
smf::Bytes SixBlockSong() {
    Track track;
    track.Event(0, {0xC0, 0}).Event(0, {0x90, 60, 100}).Event(570, {0x80, 60, 0}).End(0);
    return smf::File(0, 96, {track});
}

}  // namespace

TEST_F(HoldTest, AHeldSongStandsStillAndPlaysOnWhereItStood) {
    Init();
    Load(SixBlockSong());
    ASSERT_EQ(TePlay(), 1);
    TakeUntil(TE_NOTIFY_PLAY);
    ASSERT_EQ(TePause(), 1);
    EXPECT_EQ(platform::WaveOutNullComplete(2), 0);
    EXPECT_TRUE(Take(200).empty());
    EXPECT_EQ(platform::WaveOutNullPending(), 2);

    ASSERT_EQ(TeResume(), 1);
    const std::vector<Notice> third = Complete(1, TE_NOTIFY_BLOCK_COUNT);
    EXPECT_EQ(ValuesOf(third, TE_NOTIFY_BLOCK_COUNT), (std::vector<std::intptr_t>{3}));
}

TEST_F(HoldTest, AStopWhileHeldEndsAtOnceAndTheHoldLastsForTheNextSong) {
    Init();
    Load(SixBlockSong());
    ASSERT_EQ(TePlay(), 1);
    TakeUntil(TE_NOTIFY_PLAY);
    ASSERT_EQ(TePause(), 1);
    ASSERT_EQ(TeStop(), 1);
    EXPECT_EQ(TakeUntil(TE_NOTIFY_END), (std::vector<Notice>{{TE_NOTIFY_END, 0}}));
    EXPECT_EQ(platform::WaveOutNullPending(), 0);

    // Started while held, the next song waits with its first blocks queued.
    ASSERT_EQ(TePlay(), 1);
    TakeUntil(TE_NOTIFY_PLAY);
    EXPECT_EQ(platform::WaveOutNullComplete(1), 0);
    ASSERT_EQ(TeResume(), 1);
    EXPECT_EQ(ValuesOf(Complete(1, TE_NOTIFY_BLOCK_COUNT), TE_NOTIFY_BLOCK_COUNT),
              (std::vector<std::intptr_t>{3}));
}

TEST_F(HoldTest, PauseAndResumeNeedAnInitialisedLibrary) {
    EXPECT_EQ(TePause(), 0);
    EXPECT_EQ(TeResume(), 0);
    EXPECT_TRUE(Take(100).empty());
}
