// The generator's waveform tools: loops that close, openings that die before the loop, partials
// kept below the aliasing limit, samples and drum sounds put into 0..64.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "voiceset/voicegen/drum_kit.h"
#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/wave.h"

namespace {

TEST(VoicegenWave, SteadyPartialsRepeatWithTheLoop) {
    // A loop of 4 cycles holds ratios in quarters: 1.25 fits, 1.3 is moved to 1.25.
    Wave exact = NewWave(4, 4);
    Wave rounded = NewWave(4, 4);
    AddSteady(exact, {{1.25, 1.0, 0.3}});
    AddSteady(rounded, {{1.3, 1.0, 0.3}});
    const std::size_t loop = 4 * 64;
    for (std::size_t n = 0; n < loop; ++n) {
        EXPECT_NEAR(exact.samples[n], exact.samples[n + loop], 1e-9);
        EXPECT_NEAR(exact.samples[n], rounded.samples[n], 1e-9);
    }
    // sin(2 pi x 1.25 x 1/64 + 0.3) one sample in.
    EXPECT_NEAR(exact.samples[1], std::sin(2 * kPi * 1.25 / 64 + 0.3), 1e-9);
}

TEST(VoicegenWave, OpeningPartsAreGoneWhenTheLoopStarts) {
    Wave wave = NewWave(8, 1);
    AddFading(wave, {{2.7, 1.0, 0.0}}, 100.0);
    AddAttackNoise(wave, 1.0, 100.0, 1.0, 20.0, 7);
    double opening = 0;
    for (std::size_t n = 0; n < 8 * 64; ++n)
        opening = std::max(opening, std::fabs(wave.samples[n]));
    EXPECT_GT(opening, 0.3);
    for (std::size_t n = 8 * 64; n < wave.samples.size(); ++n) EXPECT_EQ(wave.samples[n], 0.0);
    EXPECT_LT(std::fabs(wave.samples[8 * 64 - 1]), 0.01);
}

TEST(VoicegenWave, BandLimitKeepsTheTopKeyBelowItsAliasingLimit) {
    // Key 69 (440 Hz) holds 11025 / 440 = 25.06 harmonics: the fade runs from 0.6 of that
    // (15.03) to the table's limit of 28, which comes before 1.5 of it (37.6).
    Partials partials = Series(28, [](int) { return 1.0; });
    BandLimit(partials, 69);
    EXPECT_EQ(partials[0].amp, 1.0);
    EXPECT_EQ(partials[14].amp, 1.0);  // ratio 15
    EXPECT_LT(partials[15].amp, 1.0);  // ratio 16
    EXPECT_GT(partials[15].amp, 0.9);
    EXPECT_NEAR(partials[26].amp, 0.5 + 0.5 * std::cos(kPi * (27 - 15.0341) / (28 - 15.0341)),
                1e-3);
    EXPECT_EQ(partials[27].amp, 0.0);  // ratio 28
    // A high top key (C7, 2093 Hz: 5.27 harmonics) leaves the fundamental alone.
    Partials high = Series(12, [](int) { return 1.0; });
    BandLimit(high, 96);
    EXPECT_EQ(high[0].amp, 1.0);
    EXPECT_EQ(high[7].amp, 0.0);  // ratio 8 is past 1.5 x 5.27
}

TEST(VoicegenWave, SamplesAreRoundedAroundTheZeroLineAndHeldToTheRange) {
    Wave wave = NewWave(1, 1);
    wave.samples[20] = 10.4;
    wave.samples[21] = -10.6;
    wave.samples[22] = 40.0;
    wave.samples[23] = -40.0;
    wave.samples[3] = 16.0;  // within the soft start: 3/12 of it
    const std::vector<std::uint8_t> q = QuantizeWave(wave, 1.0);
    ASSERT_EQ(q.size(), 128u);
    EXPECT_EQ(q[20], 42);
    EXPECT_EQ(q[21], 21);
    EXPECT_EQ(q[22], 64);
    EXPECT_EQ(q[23], 0);
    EXPECT_EQ(q[3], 36);
    EXPECT_EQ(q[100], 32);
}

TEST(VoicegenWave, LoopLevelIsMeasuredOnTheLoopOnly) {
    Wave wave = NewWave(1, 1);
    wave.samples[5] = 9.0;  // the opening: counts for the peak only
    for (std::size_t n = 64; n < 128; ++n) wave.samples[n] = (n % 2 == 0) ? 2.0 : -2.0;
    const WaveLevel level = MeasureWave(wave);
    EXPECT_DOUBLE_EQ(level.loopRms, 2.0);
    EXPECT_DOUBLE_EQ(level.peak, 9.0);
}

int LargestStep(const std::vector<std::uint8_t>& samples) {
    int largest = 0;
    for (std::uint8_t s : samples) largest = std::max(largest, std::abs(s - 32));
    return largest;
}

TEST(VoicegenDrums, TheTrimMovesTheLoudnessAndThePeakStaysInRange) {
    Sound tone(4000, 0.0);
    for (std::size_t n = 0; n < tone.size(); ++n)
        tone[n] = std::sin(2.0 * kPi * 1000.0 * n / kDrumRate);
    const int level = LargestStep(QuantizeDrum({35, "Level", 0, tone, 0.0}));
    const int half = LargestStep(QuantizeDrum({35, "Half", 0, tone, -6.0206}));
    EXPECT_NEAR(level, 2 * half, 1);
    // A lone click is quiet over 50 ms: raised toward the kit's level, it stops at full scale.
    Sound click(1000, 0.0);
    click[0] = -1.0;
    click[1] = 0.5;
    EXPECT_EQ(QuantizeDrum({35, "Click", 0, click, 0.0}), (std::vector<std::uint8_t>{0, 48}));
}

TEST(VoicegenDrums, HighOnlyRoundingKeepsWhatLiesBelowAStep) {
    // A full-scale click, then a level of 0.3 steps: plain rounding loses it and the silent tail
    // is cut; moving the error up keeps its average.
    Sound sound(2000, 0.3 / 31.6);
    sound[0] = 1.0;
    EXPECT_EQ(QuantizeDrum({35, "Plain", 0, sound, 0.0}).size(), 1u);
    const std::vector<std::uint8_t> shaped = QuantizeDrum({35, "High", 0, sound, 0.0, true});
    ASSERT_GT(shaped.size(), 1500u);
    double sum = 0.0;
    for (std::size_t n = 1; n < 1500; ++n) sum += shaped[n] - 32;
    EXPECT_NEAR(sum / 1499.0, 0.3, 0.01);
}

TEST(VoicegenSignal, KeysAndNoiseAreFixed) {
    EXPECT_DOUBLE_EQ(KeyFrequency(69), 440.0);
    EXPECT_NEAR(KeyFrequency(60), 261.626, 0.001);
    Noise a = NoiseWithSeed(5), b = NoiseWithSeed(5), c = NoiseWithSeed(6);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const double x = NextNoise(a);
        EXPECT_EQ(x, NextNoise(b));
        EXPECT_GE(x, -1.0);
        EXPECT_LT(x, 1.0);
        differs = differs || x != NextNoise(c);
    }
    EXPECT_TRUE(differs);
}

}  // namespace
