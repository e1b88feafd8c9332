// Playback with two buffers on a device whose blocks finish only when the test says so.
#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"

using DriverTest = LibraryTest;
using smf::Track;

namespace {

const std::vector<std::uint32_t> kTwoBlocksThenStarted = {4, 5, 3, 2, 4, 5, 3, 2, 1};

// Division 96 and a last event at tick 250: blocks of 96, 96 and 58 ticks.
smf::Bytes ThreeBlockSong() {
    Track track;
    track.Event(0, {0xB0, 7, 100}).Event(200, {0xB0, 7, 90}).End(50);
    return smf::File(0, 96, {track});
}

}  // namespace

TEST_F(DriverTest, ANormalSongReportsEveryBlockAndEndsWithCode6) {
    Init();
    Load(ThreeBlockSong());
    ASSERT_EQ(TePlay(), 1);
    const std::vector<Notice> start = Take();
    EXPECT_EQ(Codes(start), kTwoBlocksThenStarted);
    EXPECT_EQ(ValuesOf(start, 2), (std::vector<std::intptr_t>{1, 2}));
    EXPECT_EQ(ValuesOf(start, 1), (std::vector<std::intptr_t>{0}));
    // 96 ticks at 5208 us; the last block has 58 ticks.
    EXPECT_EQ(ValuesOf(start, 5), (std::vector<std::intptr_t>{499, 499}));
    EXPECT_EQ(platform::WaveOutNullPending(), 2);

    const std::vector<Notice> third = Complete(1, 2);
    EXPECT_EQ(Codes(third), (std::vector<std::uint32_t>{4, 5, 3, 2}));
    EXPECT_EQ(ValuesOf(third, 5), (std::vector<std::intptr_t>{302}));
    EXPECT_EQ(ValuesOf(third, 2), (std::vector<std::intptr_t>{3}));
    EXPECT_EQ(ValuesOf(third, 3), (std::vector<std::intptr_t>{0}));

    EXPECT_EQ(platform::WaveOutNullComplete(1),
              1);  // block 2: the song has ended, nothing more is made
    EXPECT_EQ(Complete(1, 6), (std::vector<Notice>{{6, 0}}));
    EXPECT_TRUE(Take(100).empty());
    EXPECT_EQ(platform::WaveOutNullPending(), 0);
}

TEST_F(DriverTest, ASongEndingInItsFirstBlockQueuesOneBuffer) {
    Init();
    Track track;
    track.Event(0, {0xC0, 3}).End(10).Event(0, {0xC0, 4});  // bytes after the end are not played
    Load(smf::File(0, 96, {track}));
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(Codes(Take()), (std::vector<std::uint32_t>{4, 5, 3, 2, 1}));
    EXPECT_EQ(platform::WaveOutNullPending(), 1);
    EXPECT_EQ(g.channels[1].program, 3);
    EXPECT_EQ(Complete(1, 6), (std::vector<Notice>{{6, 0}}));
}

TEST_F(DriverTest, AnEmptyTrackQueuesNothingAndStillReportsTheEnd) {
    Init();
    Load(smf::File(0, 96, {Track{}}));
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(Take(), (std::vector<Notice>{{1, 0}, {6, 0}}));
    EXPECT_EQ(platform::WaveOutNullPending(), 0);
}

TEST_F(DriverTest, StopRightAfterPlayLetsBothQueuedBlocksPlay) {
    Init();
    Load(ThreeBlockSong());
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(TeStop(), 1);
    EXPECT_EQ(Codes(Take()), kTwoBlocksThenStarted);
    EXPECT_EQ(platform::WaveOutNullComplete(1), 1);
    EXPECT_TRUE(Take(200).empty());
    EXPECT_EQ(Complete(1, 6), (std::vector<Notice>{{6, 0}}));
}

TEST_F(DriverTest, StopWhileIdleOnlySetsTheFlag) {
    Init();
    EXPECT_EQ(TeStop(), 1);
    EXPECT_TRUE(Take(100).empty());
    Load(ThreeBlockSong());
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(Codes(Take()), kTwoBlocksThenStarted);
    EXPECT_EQ(Codes(Complete(1, 2)), (std::vector<std::uint32_t>{4, 5, 3, 2}));
}

TEST_F(DriverTest, ATrackEndingAtABlockBoundaryReportsCode6Once) {
    Init();
    Track track;
    track.Event(0, {0xB0, 7, 100}).Event(96, {0xB0, 7, 90}).Raw({0x60});  // then the image ends
    Load(smf::File(0, 96, {track}));
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(Codes(Take()), kTwoBlocksThenStarted);
    EXPECT_EQ(platform::WaveOutNullComplete(1), 1);  // the third block finds no data
    EXPECT_TRUE(Take(200).empty());
    EXPECT_EQ(Complete(1, 6), (std::vector<Notice>{{6, 0}}));
    EXPECT_TRUE(Take(100).empty());
}

TEST_F(DriverTest, AFollowingSongNeverQueuesABufferLeftPreparedByTheLastOne) {
    Init();
    Load(ThreeBlockSong());
    ASSERT_EQ(TePlay(), 1);
    Take();
    TeStop();
    platform::WaveOutNullComplete(1);
    Complete(1, 6);
    Track shortSong;
    shortSong.End(5);
    Load(smf::File(0, 96, {shortSong}));
    ASSERT_EQ(TePlay(), 1);
    EXPECT_EQ(platform::WaveOutNullPending(), 1);
    EXPECT_EQ(Codes(Take()), (std::vector<std::uint32_t>{4, 5, 3, 2, 1}));
    EXPECT_EQ(Complete(1, 6), (std::vector<Notice>{{6, 0}}));
}

TEST_F(DriverTest, ARefusedBlockIsReported) {
    Init();
    Load(ThreeBlockSong());
    platform::WaveOutNullFailWrites(1);
    EXPECT_EQ(TePlay(), 0);
    EXPECT_EQ(Take().back(), (Notice{1, 1}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"DataBlock cannot be transmitted to waveFormOutDevice.");
}

TEST_F(DriverTest, ARefusedLaterBlockEndsPlaybackWithCode6Value1) {
    Init();
    Load(ThreeBlockSong());
    ASSERT_EQ(TePlay(), 1);
    Take();
    platform::WaveOutNullFailWrites(1);
    const std::vector<Notice> after = Complete(1, 6);
    EXPECT_EQ(after.back(), (Notice{6, 1}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"DataBlock cannot be transmitted to waveFormOutDevice.");
}

// Code 6 says playback is over, so a player may start the next song at once: the block still
// queued beside the refused one plays out, but nothing more is rendered, queued or reported.
TEST_F(DriverTest, AfterARefusedLaterBlockNothingMoreIsRenderedOrReported) {
    Init();
    Track track;
    track.Event(0, {0xB0, 7, 100}).Event(900, {0xB0, 7, 90}).End(50);  // ten blocks of 96 ticks
    Load(smf::File(0, 96, {track}));
    ASSERT_EQ(TePlay(), 1);
    Take();
    platform::WaveOutNullFailWrites(1);
    EXPECT_EQ(Complete(1, 6).back(), (Notice{6, 1}));
    EXPECT_EQ(platform::WaveOutNullPending(), 1);
    EXPECT_EQ(platform::WaveOutNullComplete(1), 1);
    EXPECT_TRUE(Take(200).empty());
    EXPECT_EQ(platform::WaveOutNullPending(), 0);
}

TEST_F(DriverTest, ImagesThatCannotBePlayedAreRefusedWithoutProducingAnything) {
    Init();
    const smf::Bytes tooShort = {'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
                                 1,   0,   96,  'M', 'T', 'r', 'k', 0, 0, 0};
    smf::Bytes noDivision = smf::File(0, 0, {Track{}.End()});
    smf::Bytes headerBeyondEnd = smf::File(0, 96, {Track{}.End()});
    headerBeyondEnd[4] = 0x7F;
    for (const smf::Bytes& image : {tooShort, noDivision, headerBeyondEnd}) {
        Load(image);
        EXPECT_EQ(TePlay(), 0);
        EXPECT_EQ(Take(), (std::vector<Notice>{{1, 1}}));
        EXPECT_EQ(platform::WaveOutNullPending(), 0);
    }
    TeDataSet(nullptr, 0);
    EXPECT_EQ(TePlay(), 0);
    EXPECT_TRUE(boxes.empty());
}

// A player starts the next song the moment the end report arrives, while the ready thread that
// posted it may still be running: nothing of the old song may be touched after the report, or
// both threads decode at once (a song then plays extra blocks, or never ends).
TEST_F(DriverTest, ASongStartedTheMomentTheLastOneEndsPlaysAlone) {
    platform::WaveOutUseNull(platform::NullPacing::kInstant);
    Init();
    for (int song = 0; song < 200; ++song) {
        Load(ThreeBlockSong());
        ASSERT_EQ(TePlay(), 1);
        const std::vector<Notice> notices = TakeUntil(6);
        ASSERT_FALSE(notices.empty()) << song;
        ASSERT_EQ(notices.back(), (Notice{6, 0})) << song;
        ASSERT_EQ(ValuesOf(notices, 2), (std::vector<std::intptr_t>{1, 2, 3})) << song;
    }
}
