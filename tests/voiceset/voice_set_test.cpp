// The bundled voice set: the generator still writes the committed file, and the library loads
// it into a complete General MIDI set.
#include "voiceset/voicegen/voice_set.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/library/library_fixture.h"
#include "voiceset/voicegen/gm_names.h"

namespace {

constexpr std::uint8_t kZeroLine = 32;

std::string CommittedVoiceFile() {
    std::ifstream in(TESALO_VOICESET_DIR "/voice.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(VoiceSetGenerator, ReproducesTheCommittedFileByteForByte) {
    const std::string committed = CommittedVoiceFile();
    ASSERT_FALSE(committed.empty()) << "voiceset/voice.txt is missing";
    // On a difference: run the build target voice-set and commit the new file.
    EXPECT_TRUE(BuildVoiceFile() == committed);
}

class CommittedVoiceSet : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        Init(TE_FORMAT_22K_16);
        const std::string file = CommittedVoiceFile();
        result = TeVoiceSet(reinterpret_cast<const std::uint8_t*>(file.data()),
                            static_cast<std::int32_t>(file.size()));
    }

    static bool Sounds(const std::uint8_t* samples, std::int32_t count) {
        return samples != nullptr &&
               std::any_of(samples, samples + count, [](std::uint8_t s) { return s != kZeroLine; });
    }

    std::int32_t result = 0;
};

TEST_F(CommittedVoiceSet, LoadsWithoutAMessage) {
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CommittedVoiceSet, EveryProgramHasItsNameAndASoundingLoopedWaveform) {
    for (int program = 0; program < 128; ++program) {
        const TONEENTRY& tone = g.toneTable[program];
        SCOPED_TRACE(program);
        EXPECT_STREQ(tone.name, ProgramName(program));
        ASSERT_GT(tone.sampleLength, 0);
        // A whole number of 64-sample cycles that fits the waveform.
        EXPECT_GT(tone.loopLength, 0);
        EXPECT_EQ(tone.loopLength % 64, 0);
        EXPECT_LE(tone.loopLength, tone.sampleLength);
        // Not the silent filler that a program missing from the file would get.
        EXPECT_TRUE(Sounds(tone.sampleData, tone.sampleLength));
        EXPECT_LE(std::max({tone.attackRate, tone.decay1Rate, tone.decay2Rate, tone.decay1Steps}),
                  15);
    }
}

TEST_F(CommittedVoiceSet, WaveformsUseTheRangeWithoutSittingAtItsEnds) {
    for (int program = 0; program < 128; ++program) {
        const TONEENTRY& tone = g.toneTable[program];
        SCOPED_TRACE(program);
        const std::uint8_t* begin = tone.sampleData;
        const std::uint8_t* end = begin + tone.sampleLength;
        const auto [low, high] = std::minmax_element(begin, end);
        // A fair part of the 32 steps to either side is used (the plainest waveforms reach the
        // least: a square wave has no peaks above its loudness)...
        EXPECT_GE(std::max(kZeroLine - *low, *high - kZeroLine), 6);
        // ...and the ends 0 and 64 are touched at most now and then, never held.
        const auto atEnds =
            std::count_if(begin, end, [](std::uint8_t s) { return s == 0 || s == 64; });
        EXPECT_LE(atEnds * 1000, tone.sampleLength);
    }
}

TEST_F(CommittedVoiceSet, EveryDrumKeyFrom35To81PlaysASample) {
    for (int key = 35; key <= 81; ++key) {
        SCOPED_TRACE(key);
        const DRUMENTRY& entry = g.drumTable[key - 25];
        const DRUMENTRY& played = entry.aliasSlot != 0 ? g.drumTable[entry.aliasSlot] : entry;
        EXPECT_TRUE(Sounds(played.sampleData, played.sampleLength));
    }
    // The default drum, which other keys fall back on.
    EXPECT_EQ(g.drumTable[1].aliasSlot, 0);
    EXPECT_TRUE(Sounds(g.drumTable[1].sampleData, g.drumTable[1].sampleLength));
}

// The loudest 50 ms of a drum sample as an RMS in steps.
double LoudestRms(const DRUMENTRY& drum) {
    constexpr std::int32_t kFrame = 1102;  // 50 ms at 22050 Hz
    double best = 0.0;
    for (std::int32_t start = 0; start < std::max(drum.sampleLength - kFrame, 1);
         start += kFrame / 4) {
        double sum = 0.0;
        for (std::int32_t n = start; n < std::min(start + kFrame, drum.sampleLength); ++n) {
            const double x = drum.sampleData[n] - kZeroLine;
            sum += x * x;
        }
        best = std::max(best, sum / kFrame);
    }
    return std::sqrt(best);
}

TEST_F(CommittedVoiceSet, EveryDrumKeyIsWithinSixDecibelsOfTheKitsMiddleLoudness) {
    std::vector<double> levels;
    for (int key = 35; key <= 81; ++key) {
        const DRUMENTRY& entry = g.drumTable[key - 25];
        levels.push_back(20.0 * std::log10(std::max(LoudestRms(entry), 1e-9)));
    }
    std::vector<double> sorted = levels;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (int key = 35; key <= 81; ++key) {
        SCOPED_TRACE(key);
        EXPECT_NEAR(levels[key - 35], median, 6.0);
    }
}

}  // namespace
