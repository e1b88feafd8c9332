// Conversion of the mix to PCM, the low-pass filter, the echo taps and the history they read.
#include <vector>

#include "tests/library/library_fixture.h"

namespace {

class OutputStageTest : public LibraryTest {
protected:
    // Puts the samples into the mix as one block and finishes it into buffer 0.
    void Finish(const std::vector<std::int32_t>& mix) {
        std::copy(mix.begin(), mix.end(), g.mixCursor);
        g.blockSamples = static_cast<std::int32_t>(mix.size());
        ASSERT_EQ(WaveSet(&g.waveBuffers[0]), 1);
        EXPECT_EQ(g.blockSamples, 0);
    }
    std::vector<int> Out8() const {
        const WAVEBUFFER& b = g.waveBuffers[0];
        return std::vector<int>(b.data, b.data + b.header.length);
    }
    std::vector<int> Out16() const {
        const WAVEBUFFER& b = g.waveBuffers[0];
        std::vector<int> out;
        for (std::uint32_t i = 0; i + 1 < b.header.length; i += 2) {
            out.push_back(static_cast<std::int16_t>(b.data[i] | (b.data[i + 1] << 8)));
        }
        return out;
    }
};

}  // namespace

TEST_F(OutputStageTest, EightBitIsUnsignedAndClipped) {
    Init(TE_FORMAT_22K_8);
    Finish({0, -32768, 32767, 40000, -40000, -1, 255});
    EXPECT_EQ(Out8(), (std::vector<int>{128, 0, 255, 255, 0, 127, 128}));
}

TEST_F(OutputStageTest, SixteenBitIsClippedAndLittleEndian) {
    Init(TE_FORMAT_22K_16);
    Finish({40000, -40000, 0x1234, -2});
    EXPECT_EQ(g.waveBuffers[0].header.length, 8u);
    EXPECT_EQ(g.waveBuffers[0].data[4], 0x34);
    EXPECT_EQ(g.waveBuffers[0].data[5], 0x12);
    EXPECT_EQ(Out16(), (std::vector<int>{32767, -32768, 0x1234, -2}));
}

TEST_F(OutputStageTest, TheFilterShiftsEachTermOnItsOwnAndLeavesTheFirstSample) {
    Init(TE_FORMAT_44K_16);  // the echo reads only silent history here
    TeSetStatus(16, 1);
    Finish({1000, 1000, 1000, 1000, -1, -1, -1, -1});
    // 1000/2 + 1000/4, + 1000/8, + 1000/8; for -1 every shift gives -1.
    EXPECT_EQ(Out16(), (std::vector<int>{1000, 750, 875, 1000, 499, 248, 122, -4}));
}

TEST_F(OutputStageTest, ABlockOfOneSampleIsNotFiltered) {
    Init(TE_FORMAT_22K_8);
    TeSetStatus(16, 1);
    Finish({-32768});
    EXPECT_EQ(Out8(), (std::vector<int>{0}));
}

TEST_F(OutputStageTest, OnlyTheValue1SwitchesTheOptionOn) {
    Init(TE_FORMAT_22K_16);
    TeSetStatus(16, 2);
    Finish({1000, 1000});
    EXPECT_EQ(Out16(), (std::vector<int>{1000, 1000}));
}

TEST_F(OutputStageTest, EchoTapsAt22050Hz) {
    Init(TE_FORMAT_22K_16);
    TeSetStatus(16, 1);
    std::vector<std::int32_t> click(15000, 0);
    click[0] = 32000;
    Finish(click);
    const std::vector<int> out = Out16();
    EXPECT_EQ(out[0], 32000);
    EXPECT_EQ(out[1], 8000);  // filter: 1/4
    EXPECT_EQ(out[3], 4000);  // filter: 1/8
    EXPECT_EQ(out[4], 0);
    EXPECT_EQ(out[3000], 4000);         // 1/8
    EXPECT_EQ(out[7500], 1000 + 2000);  // 1/32 + 1/16
    EXPECT_EQ(out[10500], 2000);        // 1/16
    EXPECT_EQ(out[14500], 500 + 1000);  // 1/64 + 1/32
    EXPECT_EQ(out[14499], 0);
}

TEST_F(OutputStageTest, EightBitOutputHasNoEcho) {
    Init(TE_FORMAT_22K_8);
    TeSetStatus(16, 1);
    std::vector<std::int32_t> click(3001, 0);
    click[0] = 32000;
    Finish(click);
    EXPECT_EQ(Out8()[3000], 128);
}

TEST_F(OutputStageTest, EchoTapsAt44100HzReadTheHistoryOfEarlierBlocks) {
    Init(TE_FORMAT_44K_16);
    TeSetStatus(16, 1);
    std::vector<std::int32_t> first(100, 0);
    first[99] = 32000;  // one sample before the next block
    Finish(first);
    Finish(std::vector<std::int32_t>(29000, 0));
    const std::vector<int> out = Out16();
    EXPECT_EQ(out[5999], 4000);          // tap 1: 6000 samples
    EXPECT_EQ(out[12999], 1000 + 2000);  // tap 2: 13000, not 15000
    EXPECT_EQ(out[20999], 2000);         // tap 3: 21000
    EXPECT_EQ(out[28999], 500 + 1000);   // tap 4: 29000
}

TEST_F(OutputStageTest, HistoryIsKeptOnlyWhileTheOptionIsOn) {
    Init(TE_FORMAT_22K_16);
    std::vector<std::int32_t> first(100, 0);
    first[99] = 32000;
    Finish(first);  // option off: not kept
    TeSetStatus(16, 1);
    Finish(std::vector<std::int32_t>(3000, 0));
    EXPECT_EQ(Out16()[2999], 0);
}
