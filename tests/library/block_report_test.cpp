// What the engine returns for a block and what the frame makes of it: RenderBlock reports and
// posts nothing, its busy time is read from the clock handed in without the time given away,
// and WaveSynth shows the box for a stretch it refuses.
#include <utility>

#include "library/engine/engine.h"
#include "tests/library/library_fixture.h"

using smf::Track;

namespace {

// A clock whose every reading costs 100 ms and whose yield gives 1000 ms away.
std::uint32_t fakeNow = 0;
std::uint32_t ReadFakeClock() { return std::exchange(fakeNow, fakeNow + 100); }
void YieldFakeClock() { fakeNow += 1000; }
constexpr BlockClock kFakeClock{ReadFakeClock, YieldFakeClock};

class BlockReportTest : public LibraryTest {
protected:
    // TeInit, the image, and the song started as TePlay starts it.
    void StartImage(const smf::Bytes& image) {
        Init();
        Load(image);
        ASSERT_TRUE(SongCanStart());
        StartSong();
        fakeNow = 0;
    }
};

}  // namespace

TEST_F(BlockReportTest, TheEngineReportsTheBlockAndPostsNothing) {
    // 480 ticks of 1041 us at 22050 Hz, 8 bit: stretches of 200 and 280 ticks, 4590 + 6427 bytes.
    StartImage(
        smf::File(0, 480, {Track{}.Event(0, {0xB0, 7, 100}).Event(200, {0xB0, 7, 90}).End(400)}));
    const BlockReport report = RenderBlock(g.waveBuffers[0], kFakeClock);
    EXPECT_TRUE(report.rendered);
    EXPECT_EQ(g.waveBuffers[0].header.length, 11017u);
    // Read at 0; before and after each of the two yields (past ticks 100 and 200); at the end:
    // 100 + 100 + 100 busy, 2 x 1000 given away.
    EXPECT_EQ(report.busyMs, 300u);
    EXPECT_EQ(report.load, 60u);  // 300 ms of 11017 / 22050 s = 499.6 ms
    EXPECT_EQ(report.musicalUs, 480u * 1041);
    EXPECT_EQ(report.blockCount, 1);
    EXPECT_EQ(report.refusedStretches, 0);
    EXPECT_TRUE(Take(50).empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BlockReportTest, AfterTheTrackEndsNothingIsRenderedOrReported) {
    StartImage(smf::File(0, 96, {Track{}.End(10)}));
    EXPECT_TRUE(RenderBlock(g.waveBuffers[0], kFakeClock).rendered);
    g.waveBuffers[1].header.length = 7;
    EXPECT_FALSE(RenderBlock(g.waveBuffers[1], kFakeClock).rendered);
    EXPECT_EQ(g.waveBuffers[1].header.length, 0u);
    EXPECT_EQ(DecodeSmf(&g.waveBuffers[1]), 0);
    EXPECT_TRUE(Take(50).empty());
}

TEST_F(BlockReportTest, WaveSynthShowsTheBoxForAStretchPastTwoSeconds) {
    StartImage(smf::File(0, 96, {Track{}.End(10)}));
    // 114.8 samples a tick: 384 ticks are 44097 samples of the 44100 of two seconds, 385 pass it.
    EXPECT_EQ(WaveSynth(385), 0);
    EXPECT_EQ(g.blockSamples, 0);
    EXPECT_EQ(WaveSynth(384), 1);
    EXPECT_EQ(g.blockSamples, 44097);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"PlayBuffer length over.");
    EXPECT_EQ(boxes[0].caption, u"TESALO.DLL");
}
