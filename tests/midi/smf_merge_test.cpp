// Merging format-1 files into one track. Expected images are written out event by event.
#include <gtest/gtest.h>

#include "tests/midi/smf_test_support.h"

namespace {

using smf::Bytes;
using smf::Track;
using smftest::Concat;
using smftest::MergedImage;

using MergeTest = smftest::SmfTest;

TEST_F(MergeTest, NoTracksGiveTheSmallestImage) {
    EXPECT_EQ(Prepare(smf::File(1, 96, {})), 26);
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0xFF, 0x2F, 0x00}));
    EXPECT_TRUE(smftest::ShownBoxes().empty());
}

TEST_F(MergeTest, OnlyTheFirst32TracksAreMerged) {
    std::vector<Track> tracks(40);
    Bytes expected;
    for (std::uint8_t key = 0; key < 40; ++key) {
        tracks[key].Event(0, {0x90, key, 64}).End();
        if (key < 32) expected.insert(expected.end(), {0x00, 0x90, key, 64});
    }
    expected.insert(expected.end(), {0x00, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(Prepare(smf::File(1, 480, tracks)), 22 + 32 * 4 + 4);
    EXPECT_EQ(prepared_, MergedImage(480, expected));
}

TEST_F(MergeTest, EventsComeInTimeOrderLowerTrackFirst) {
    const Track first = Track().Event(10, {0x90, 60, 100}).End();
    const Track second = Track().Event(5, {0xC0, 5}).Event(5, {0x80, 61, 0}).End();
    Prepare(smf::File(1, 96, {first, second}));
    EXPECT_EQ(prepared_, MergedImage(96, {0x05, 0xC0, 0x05,        // 5: second track
                                          0x05, 0x90, 0x3C, 0x64,  // 10: first track
                                          0x00, 0x80, 0x3D, 0x00,  // 10: second track
                                          0x00, 0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, RunningStatusIsWrittenOut) {
    const Track track = Track()
                            .Event(0, {0x90, 60, 100})
                            .Event(10, {60, 0})
                            .Event(0, {0xFF, 0x01, 0x01, 'a'})
                            .Event(0, {62, 100})  // still note-on behind a meta event
                            .End(20);
    Prepare(smf::File(1, 96, {track}));
    EXPECT_EQ(prepared_,
              MergedImage(96, {0x00, 0x90, 0x3C, 0x64, 0x0A, 0x90, 0x3C, 0x00, 0x00, 0xFF, 0x01,
                               0x01, 'a',  0x00, 0x90, 0x3E, 0x64, 0x14, 0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, EndOfTrackGoesAtTheLatestEnd) {
    // The first track has no end-of-track: it ends with its data at tick 30.
    const Track open = Track().Event(0, {0x90, 60, 100}).Event(30, {0x80, 60, 0});
    const Track closed = Track().Event(0, {0xC0, 1}).End(50);
    Prepare(smf::File(1, 96, {open, closed}));
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0x90, 0x3C, 0x64, 0x00, 0xC0, 0x01, 0x1E, 0x80,
                                          0x3C, 0x00, 0x14, 0xFF, 0x2F, 0x00}));
    Prepare(smf::File(1, 96, {open}));
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0x90, 0x3C, 0x64, 0x1E, 0x80, 0x3C, 0x00, 0x00,
                                          0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, ExclusiveDataRunsToItsF7) {
    const Track first = Track()
                            .Event(0, {0x90, 60, 100})
                            .Event(4, {0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7})
                            .Event(0, {61, 100})  // running status survives the exclusive event
                            .End(4);
    // Exclusive data without its F7 ends the track at tick 10.
    const Track second = Track().Event(0, {0xC0, 2}).Event(10, {0xF0, 0x01, 0x02});
    Prepare(smf::File(1, 96, {first, second}));
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0x90, 0x3C, 0x64, 0x00, 0xC0, 0x02, 0x04,
                                          0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00,
                                          0x90, 0x3D, 0x64, 0x06, 0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, ChunkLengthBeyondTheEndIsCutThere) {
    Bytes file = smf::File(1, 96, {Track().Event(0, {0x90, 60, 100}).Event(7, {0x80, 60, 0})});
    file[20] = 0x03;  // the track claims 1000 bytes
    file[21] = 0xE8;
    Prepare(file);
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0x90, 0x3C, 0x64, 0x07, 0x80, 0x3C, 0x00, 0x00,
                                          0xFF, 0x2F, 0x00}));
    // An event cut off by the end ends the track at its time; nothing of it is written.
    file.pop_back();
    Prepare(file);
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0x90, 0x3C, 0x64, 0x07, 0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, FewerChunksThanDeclaredMergeThoseFound) {
    const Track first = Track().Event(0, {0xC0, 3}).End(8);
    const Track second = Track().Event(2, {0x90, 64, 90}).End(2);
    Prepare(smf::FileDeclaring(1, 120, 5, {first, second}));
    EXPECT_EQ(prepared_,
              MergedImage(120, {0x00, 0xC0, 0x03, 0x02, 0x90, 0x40, 0x5A, 0x06, 0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, OtherChunksBetweenTracksAreSkipped) {
    const Bytes header = smf::Header(1, 1, 96);
    const Bytes other = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 0x12, 0x34};
    const Bytes track = {'M', 'T', 'r', 'k', 0, 0, 0, 7, 0x00, 0xC0, 0x07, 0x03, 0xFF, 0x2F, 0x00};
    Prepare(Concat({header, other, track}));
    EXPECT_EQ(prepared_, MergedImage(96, {0x00, 0xC0, 0x07, 0x03, 0xFF, 0x2F, 0x00}));
}

TEST_F(MergeTest, LongDeltasTakeFiveBytes) {
    const Track notes = Track().Event(0, {0xC0, 1}).Event(0x10000000, {0x90, 60, 100}).End();
    const Track longer = Track().End(0x10000000 + 0x10000000);
    Prepare(smf::File(1, 96, {notes, longer}));
    EXPECT_EQ(prepared_,
              MergedImage(96, {0x00, 0xC0, 0x01, 0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x64,
                               0x81, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F, 0x00}));
}

}  // namespace
