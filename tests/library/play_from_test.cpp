// Starting a song further in (TePlayFrom): from the start sample on, the output is byte for
// byte that of a play from the beginning, in every output format, with the filter and echo on
// and off, at a block's first sample and inside a block.
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "midi/smf_image.h"
#include "tests/doubles/waveout_null.h"
#include "tests/library/library_fixture.h"
#include "tests/support/test_songs.h"

using smf::Track;

namespace {

// What a play queued: its bytes, the samples of each block, the notices of its start.
struct Played {
    std::string bytes;
    std::vector<std::uint32_t> blockSamples;
    std::vector<Notice> start;
};

struct Setup {
    std::uint32_t flag;
    std::uint32_t rate;
    std::uint32_t width;  // bytes per sample
    std::int32_t filter;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Tempo 60, then 200 (blocks shorter than the echo's reach, after longer ones), 120 and 75 beats
// a minute; a vibrato, a tremolo and an organ voice (which holds its level), drums, pitch bends
// and volume changes, with events inside the blocks and notes that sound across them.
smf::Bytes VariedSong() {
    Track track;
    track.Event(0, {0xC0, 40}).Event(0, {0xC1, 11}).Event(0, {0xC2, 16}).Tempo(0, 1000000);
    const std::uint32_t tempos[24] = {0, 0, 300000, 0, 0, 0, 0, 0, 0,     0,
                                      0, 0, 500000, 0, 0, 0, 0, 0, 800000};
    for (int bar = 0; bar < 24; ++bar) {
        const auto key = static_cast<std::uint8_t>(48 + (bar * 5) % 24);
        const auto high = static_cast<std::uint8_t>(key + 12);
        const auto low = static_cast<std::uint8_t>(key - 12);
        if (tempos[bar] != 0) track.Tempo(0, tempos[bar]);
        track.Event(0, {0x90, key, 100})
            .Event(0, {0x91, high, 90})
            .Event(0, {0x92, low, 100})
            .Event(0, {0x99, 36, 120});
        track.Event(50, {0xE0, 0, 0x50})
            .Event(30, {0x99, 42, 100})
            .Event(0, {0xB1, 7, static_cast<std::uint8_t>(70 + bar)});
        track.Event(100, {0x80, key, 0}).Event(0, {0xE0, 0, 0x40});
        track.Event(204, {0x91, high, 0}).Event(0, {0x82, low, 0});
    }
    track.End(96);
    return smf::File(0, 96, {track});
}

// The first demo song, made one track as players do.
smf::Bytes DemoSong() {
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(DemoSongs().front(), &image, &size)) return {};
    if (PrepareSmfImage(&image, &size) < 0) size = 0;
    smf::Bytes bytes(image, image + size);
    FreeFileImage(image);
    return bytes;
}

// The millisecond whose start sample is `sample`, when there is one.
std::optional<std::uint32_t> MsAtSample(std::uint64_t sample, std::uint32_t rate) {
    const std::uint64_t ms = (sample * 1000 + rate - 1) / rate;
    if (ms * rate / 1000 != sample) return std::nullopt;
    return static_cast<std::uint32_t>(ms);
}

class PlayFromTest : public LibraryTest, public ::testing::WithParamInterface<Setup> {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        Init(GetParam().flag);
        const std::string voices = ReadFile(TESALO_SOURCE_DIR "/voiceset/voice.txt");
        ASSERT_EQ(TeVoiceSet(reinterpret_cast<const std::uint8_t*>(voices.data()),
                             static_cast<std::int32_t>(voices.size())),
                  1);
        ASSERT_EQ(TeSetStatus(32, GetParam().filter), 1);
    }

    void Append(Played& played, int buffer) {
        const WAVEBUFFER& block = g.waveBuffers[buffer];
        played.bytes.append(reinterpret_cast<const char*>(block.data), block.header.length);
        played.blockSamples.push_back(block.header.length / GetParam().width);
    }

    // The device finishes one block; true when the library made the next one.
    bool NextBlock() {
        if (platform::WaveOutNullComplete(1) != 1) return false;
        for (;;) {
            const std::vector<Notice> notices = Take(5000);
            if (notices.empty()) return false;
            for (const Notice& notice : notices) {
                if (notice.code == TE_NOTIFY_BLOCK_COUNT) return true;
                if (notice.code == TE_NOTIFY_END) return false;
            }
        }
    }

    // Takes every block of the play that `started` began, block by block as the device
    // finishes them, until the song has ended.
    Played Collect(std::int32_t started) {
        Played played;
        EXPECT_EQ(started, 1);
        played.start = Take(1000);
        const int queued = platform::WaveOutNullPending();
        for (int i = 0; i < queued; ++i) Append(played, i);
        for (int block = queued; g.bStop.load() == 0 && NextBlock(); ++block)
            Append(played, block % 2);
        DrainPlayback();
        return played;
    }

    // The play from the beginning's bytes from `ms` on.
    std::string Tail(const Played& whole, std::uint32_t ms) {
        const std::uint64_t sample = std::uint64_t{ms} * GetParam().rate / 1000;
        return whole.bytes.substr(static_cast<std::size_t>(sample * GetParam().width));
    }

    // A millisecond at the first sample of a block in the second half of the song.
    std::uint32_t BlockStartMs(const Played& whole) {
        std::uint64_t at = 0;
        for (std::size_t block = 0; block < whole.blockSamples.size(); ++block) {
            const std::optional<std::uint32_t> ms = MsAtSample(at, GetParam().rate);
            if (block > whole.blockSamples.size() / 2 && ms && whole.blockSamples[block] > 0)
                return *ms;
            at += whole.blockSamples[block];
        }
        ADD_FAILURE() << "no block starts at a whole millisecond";
        return 0;
    }

    // A millisecond near the middle of a block two thirds into the song.
    std::uint32_t MidBlockMs(const Played& whole) {
        const std::size_t block = whole.blockSamples.size() * 2 / 3;
        std::uint64_t at = 0;
        for (std::size_t i = 0; i < block; ++i) at += whole.blockSamples[i];
        const std::uint64_t middle = at + whole.blockSamples[block] / 2;
        const auto ms = static_cast<std::uint32_t>(middle * 1000 / GetParam().rate);
        const std::uint64_t sample = std::uint64_t{ms} * GetParam().rate / 1000;
        EXPECT_GT(sample, at);
        EXPECT_LT(sample, at + whole.blockSamples[block]);
        return ms;
    }

    // Plays the song from the beginning, then from a block's start and from inside a block.
    void ExpectTheSameBytesFromTheStart(const smf::Bytes& song) {
        ASSERT_GT(song.size(), 22u);
        Load(song);
        const Played whole = Collect(TePlay());
        ASSERT_GT(whole.blockSamples.size(), 8u);
        for (const std::uint32_t ms : {BlockStartMs(whole), MidBlockMs(whole)}) {
            const Played part = Collect(TePlayFrom(ms));
            EXPECT_EQ(part.bytes.size(), Tail(whole, ms).size()) << "from " << ms << " ms";
            EXPECT_TRUE(part.bytes == Tail(whole, ms)) << "from " << ms << " ms";
            EXPECT_EQ(Codes(part.start), (std::vector<std::uint32_t>{4, 5, 3, 2, 4, 5, 3, 2, 1}));
            EXPECT_EQ(ValuesOf(part.start, TE_NOTIFY_BLOCK_COUNT),
                      (std::vector<std::intptr_t>{1, 2}));
        }
    }
};

}  // namespace

TEST_P(PlayFromTest, AVariedSongGoesOnByteForByte) { ExpectTheSameBytesFromTheStart(VariedSong()); }

TEST_P(PlayFromTest, ADemoSongGoesOnByteForByte) { ExpectTheSameBytesFromTheStart(DemoSong()); }

// Start 0 is TePlay: the same bytes and the same reports (but the measured load and busy time).
TEST_P(PlayFromTest, StartZeroIsAPlayFromTheBeginning) {
    Load(VariedSong());
    const Played whole = Collect(TePlay());
    const Played part = Collect(TePlayFrom(0));
    EXPECT_TRUE(part.bytes == whole.bytes);
    EXPECT_EQ(part.blockSamples, whole.blockSamples);
    EXPECT_EQ(Codes(part.start), Codes(whole.start));
    for (const std::uint32_t code :
         {TE_NOTIFY_DURATION, TE_NOTIFY_POLYPHONY, TE_NOTIFY_BLOCK_COUNT}) {
        EXPECT_EQ(ValuesOf(part.start, code), ValuesOf(whole.start, code));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFormat, PlayFromTest,
    ::testing::Values(Setup{TE_FORMAT_22K_8, 22050, 1, 0}, Setup{TE_FORMAT_22K_8, 22050, 1, 1},
                      Setup{TE_FORMAT_22K_16, 22050, 2, 0}, Setup{TE_FORMAT_22K_16, 22050, 2, 1},
                      Setup{TE_FORMAT_44K_8, 44100, 1, 0}, Setup{TE_FORMAT_44K_8, 44100, 1, 1},
                      Setup{TE_FORMAT_44K_16, 44100, 2, 0}, Setup{TE_FORMAT_44K_16, 44100, 2, 1}));

namespace {

using PlayFromLimitsTest = LibraryTest;

// Division 96 and a last event at tick 250: blocks of 96, 96 and 58 ticks, 499 ms each at first.
smf::Bytes ThreeBlockSong() {
    Track track;
    track.Event(0, {0xB0, 7, 100}).Event(200, {0xB0, 7, 90}).End(50);
    return smf::File(0, 96, {track});
}

}  // namespace

TEST_F(PlayFromLimitsTest, AStartAtOrPastTheEndQueuesNothingAndReportsTheEnd) {
    Init();
    Load(ThreeBlockSong());
    // 11024 + 11024 + 6659 samples at 22050 Hz: 1302 ms is sample 28709, past the last.
    for (const std::uint32_t ms : {1302u, 5000u, 0xFFFFFFFFu}) {
        ASSERT_EQ(TePlayFrom(ms), 1);
        EXPECT_EQ(Take(1000), (std::vector<Notice>{{1, 0}, {6, 0}})) << ms;
        EXPECT_EQ(platform::WaveOutNullPending(), 0);
    }
}

TEST_F(PlayFromLimitsTest, TheFirstBlockBeginsAtTheStartAndReportsTheTimeFromThere) {
    Init();
    Load(ThreeBlockSong());
    ASSERT_EQ(TePlayFrom(1301), 1);  // sample 28687, the 20th last: inside the last block
    const std::vector<Notice> start = Take(1000);
    EXPECT_EQ(Codes(start), (std::vector<std::uint32_t>{4, 5, 3, 2, 1}));
    EXPECT_EQ(g.waveBuffers[0].header.length, 20u);
    EXPECT_EQ(ValuesOf(start, TE_NOTIFY_DURATION), (std::vector<std::intptr_t>{0}));
    EXPECT_EQ(ValuesOf(start, TE_NOTIFY_BLOCK_COUNT), (std::vector<std::intptr_t>{1}));
    EXPECT_EQ(Complete(1, 6), (std::vector<Notice>{{6, 0}}));

    ASSERT_EQ(TePlayFrom(750), 1);  // sample 16537, inside the second block: 5511 samples stay
    const std::vector<Notice> second = Take(1000);
    EXPECT_EQ(Codes(second), (std::vector<std::uint32_t>{4, 5, 3, 2, 4, 5, 3, 2, 1}));
    EXPECT_EQ(g.waveBuffers[0].header.length, 5511u);
    EXPECT_EQ(ValuesOf(second, TE_NOTIFY_DURATION), (std::vector<std::intptr_t>{249, 302}));
}

TEST_F(PlayFromLimitsTest, WhatTePlayRefusesItRefuses) {
    EXPECT_EQ(TePlayFrom(1000), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Tesalo is not initialized.");
    Init();
    Load(smf::Bytes(smf::Header(0, 1, 96)));  // no track chunk: shorter than the two headers
    EXPECT_EQ(TePlayFrom(1000), 0);
    EXPECT_EQ(Take(), (std::vector<Notice>{{1, 1}}));
    EXPECT_EQ(platform::WaveOutNullPending(), 0);
}
