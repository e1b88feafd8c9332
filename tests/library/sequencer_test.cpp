// The block clock, event decoding and the reports of each block.
#include "platform/waveout.h"
#include "tests/library/library_fixture.h"

using smf::Track;

namespace {

class SequencerTest : public LibraryTest {
protected:
    // Hands the image over (after the last song has ended) and renders its first blocks.
    void PlayFirstBlocks(const smf::Bytes& image) {
        DrainPlayback();
        Take();
        EXPECT_EQ(TeDataSet(image.data(), static_cast<std::int32_t>(image.size())), 1);
        EXPECT_EQ(TePlay(), 1);
    }
};

std::uint32_t BlockBytes(int buffer) { return g.waveBuffers[buffer].header.length; }

}  // namespace

TEST_F(SequencerTest, AnEventFreeBlockIsDivisionTicksAtTheTempo) {
    struct Case {
        std::uint32_t flag;
        std::uint16_t division;
        std::uint32_t bytes;
    };
    // 480 ticks of 1041 us: 22954050 / 1e6 * 480 = 11017.9 samples; 96 ticks of 5208 us: 11024.3.
    for (const Case& c :
         {Case{TE_FORMAT_22K_8, 480, 11017}, Case{TE_FORMAT_44K_16, 480, 2 * 22035},
          Case{TE_FORMAT_22K_16, 96, 2 * 11024}, Case{TE_FORMAT_44K_8, 96, 22048}}) {
        Init(c.flag);
        Track track;
        track.Event(0, {0xB0, 7, 100}).End(3 * c.division);
        PlayFirstBlocks(smf::File(0, c.division, {track}));
        EXPECT_EQ(BlockBytes(0), c.bytes)
            << c.flag << " " << c.division;  // event at 0, then D ticks
        EXPECT_EQ(BlockBytes(1), c.bytes) << c.flag << " " << c.division;  // no event at all
        const std::vector<Notice> notices = Take();
        EXPECT_EQ(ValuesOf(notices, 5)[1],
                  static_cast<std::intptr_t>(c.division * (500000 / c.division) / 1000));
        DrainPlayback();
        TeCleanUp();
    }
}

TEST_F(SequencerTest, EachStretchIsTruncatedOnItsOwn) {
    Init();
    Track track;
    for (int i = 0; i < 96; ++i) track.Event(i == 0 ? 0 : 1, {0xB0, 7, 100});
    track.End(1);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(BlockBytes(0), 96u * 114);  // 1 tick = 114.8 samples, against 11024 for 96 at once
}

TEST_F(SequencerTest, TheFirstDeltaIsIgnoredAndAnEventAtTheBlockEndStartsTheNextBlock) {
    Init();
    Track track;
    track.Event(500, {0xC0, 7}).Event(96, {0xC0, 9}).End(10);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(BlockBytes(0), 11024u);
    EXPECT_EQ(g.channels[1].program, 9);
    EXPECT_EQ(BlockBytes(1), 1148u);  // 10 ticks: 114.8364 * 10
    const std::vector<Notice> notices = Take();
    EXPECT_EQ(ValuesOf(notices, 5), (std::vector<std::intptr_t>{499, 52}));
}

// A five-byte delta near 2^32 (a damaged file) is a long silence: the block ends at its
// division like any other, and the blocks after it are whole quarter notes of silence.
TEST_F(SequencerTest, ADeltaNearTwoToThe32EndsTheBlockAndPlaysAsSilence) {
    Init();
    Track track;
    track.Event(0, {0xB0, 7, 100})
        .Event(16, {0xC0, 5})
        .Raw({0x8F, 0xFF, 0xFF, 0xFF, 0x70, 0xC0, 9});
    track.End(0);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(BlockBytes(0), 1837u + 9186);  // 16 ticks, then the 80 left of the block
    EXPECT_EQ(BlockBytes(1), 11024u);
    EXPECT_EQ(g.channels[1].program, 5);
    EXPECT_TRUE(boxes.empty());
}

// At a tempo where a quarter note is shorter than a sample, the event-free quarter notes of a
// huge delta are passed over at once instead of one empty block each (millions of them).
TEST_F(SequencerTest, BlocksThatComeToNoSampleArePassedOverAtOnce) {
    Init();
    Track track;
    track.Tempo(0, 1).Event(0, {0xC0, 5}).Raw({0xFF, 0xFF, 0xFF, 0x7F, 0xC0, 9}).End(0);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(BlockBytes(0), 0u);
    EXPECT_EQ(BlockBytes(1), 0u);
    EXPECT_EQ(g.channels[1].program, 9);  // the second block reaches the event behind the delta
    EXPECT_EQ(g.bStop.load(), 1);
    EXPECT_EQ(ValuesOf(Take(), 5), (std::vector<std::intptr_t>{0, 0}));

    Track normal;  // at an ordinary tempo the same delta is hours of silence, block by block
    normal.Event(0, {0xC0, 5}).Raw({0xFF, 0xFF, 0xFF, 0x7F, 0xC0, 9}).End(0);
    PlayFirstBlocks(smf::File(0, 96, {normal}));
    EXPECT_EQ(BlockBytes(1), 11024u);
    EXPECT_EQ(g.channels[1].program, 5);
    EXPECT_EQ(g.bStop.load(), 0);
}

TEST_F(SequencerTest, TempoChangesApplyFromTheirTickAndAreClampedAtTheSlowEnd) {
    Init();
    Track track;
    track.Tempo(0, 1000000).End(1);  // division 1: one tick is one quarter note
    PlayFirstBlocks(smf::File(0, 1, {track}));
    EXPECT_EQ(ValuesOf(Take(), 5), (std::vector<std::intptr_t>{1000, 0}));

    for (std::uint32_t slow : {3000000u, 1935484u}) {
        Track clamped;
        clamped.Tempo(0, slow).End(1);
        PlayFirstBlocks(smf::File(0, 1, {clamped}));
        EXPECT_EQ(g.usPerTick, 1935483u) << slow;
        Take();
    }
}

TEST_F(SequencerTest, ATempoOfZeroOrAShortTempoEventIsIgnored) {
    Init();
    Track track;
    track.Tempo(0, 0).Event(0, {0xFF, 0x51, 0x02, 0x01, 0x00}).End(1);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(g.usPerTick, 5208u);
}

TEST_F(SequencerTest, RunningStatusSurvivesMetaAndExclusiveEvents) {
    Init();
    Track track;
    track.Event(0, {0xB1, 7, 8})
        .Event(0, {0xFF, 0x01, 0x01, 'x'})
        .Event(0, {11, 48})  // controller 11 of channel 2
        .Event(0, {0xF0, 0x01, 0x02, 0xF7})
        .Event(0, {7, 16})
        .End(1);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(g.channels[2].expression, 6);
    EXPECT_EQ(g.channels[2].volume, 2);
    EXPECT_EQ(g.channels[1].volume, 12);
}

TEST_F(SequencerTest, ControllersPitchBendAndRegisteredParameters) {
    Init();
    Track track;
    track.Event(0, {0xB0, 101, 0})
        .Event(0, {0xB0, 100, 0})
        .Event(0, {0xB0, 6, 12})    // range 12
        .Event(0, {0xE0, 0, 0x60})  // +4096
        .Event(0, {0xB0, 100, 1})
        .Event(0, {0xB0, 6, 5})  // fine tuning: no effect
        .Event(0, {0xC0, 0x85})  // a data byte keeps its low 7 bits
        .End(1);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(g.channels[1].bendRange, 12);
    EXPECT_DOUBLE_EQ(g.channels[1].pitchBend, 6.0);
    EXPECT_EQ(g.channels[1].program, 5);

    Track reset;
    reset.Event(0, {0xB0, 101, 0})
        .Event(0, {0xB0, 100, 0})
        .Event(0, {0xE0, 0, 0})
        .Event(0, {0xB0, 11, 40})
        .Event(0, {0xB0, 121, 0})
        .Event(0, {0xB0, 6, 7})
        .End(1);
    PlayFirstBlocks(smf::File(0, 96, {reset}));
    EXPECT_DOUBLE_EQ(g.channels[1].pitchBend, 0.0);
    EXPECT_EQ(g.channels[1].expression, 15);
    EXPECT_EQ(g.channels[1].bendRange, 2);  // 121 deselected the parameter before the data entry
}

TEST_F(SequencerTest, EndOfTrackInMidBlockEndsTheBlockThereWithAllReports) {
    Init();
    Track track;
    track.Event(0, {0xB0, 7, 100}).End(40);
    PlayFirstBlocks(smf::File(0, 96, {track}));
    EXPECT_EQ(BlockBytes(0), 4593u);  // 40 ticks: 114.8364 * 40 = 4593.5
    EXPECT_EQ(g.blockStartTick, 0u);
    EXPECT_EQ(g.bStop.load(), 1);
    EXPECT_EQ(Codes(Take()), (std::vector<std::uint32_t>{4, 5, 3, 2, 1}));
}

TEST_F(SequencerTest, TruncatedEventsEndTheSongWhereTheImageEnds) {
    Init();
    const std::vector<Track> truncated = {
        Track{}.Event(0, {0xC0, 1}).Event(10, {0x90, 60}),            // note without velocity
        Track{}.Event(0, {0xC0, 1}).Event(10, {0xF0, 1, 2, 3}),       // exclusive without 0xF7
        Track{}.Event(0, {0xC0, 1}).Event(10, {0xFF, 0x01, 9, 'a'}),  // meta longer than the image
        Track{}.Event(0, {0xC0, 1}).Raw({0x8A}),                      // delta cut off
    };
    for (const Track& track : truncated) {
        PlayFirstBlocks(smf::File(0, 96, {track}));
        EXPECT_EQ(g.bStop.load(), 1);
        const std::vector<Notice> notices = Take();
        EXPECT_EQ(Codes(notices), (std::vector<std::uint32_t>{4, 5, 3, 2, 1}));
    }
}

TEST_F(SequencerTest, ABlockWithoutSamplesReportsALoadOfZero) {
    Init();
    PlayFirstBlocks(smf::File(0, 96, {Track{}.End()}));
    EXPECT_EQ(BlockBytes(0), 0u);
    const std::vector<std::intptr_t> load = ValuesOf(Take(), 4);
    ASSERT_EQ(load.size(), 1u);
    EXPECT_EQ(load[0] & 0xFFFF, 0);
}
