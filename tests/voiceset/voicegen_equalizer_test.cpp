// The generator's equalizer and falling partials: harmonics scaled by their own gain, loops that
// still close and openings that still join the loop, drum heads whose pitch sinks.
#include <gtest/gtest.h>

#include <cmath>

#include "voiceset/voicegen/equalizer.h"
#include "voiceset/voicegen/signal_math.h"
#include "voiceset/voicegen/wave.h"

namespace {

// The amplitude of one ratio over whole loops, by correlation.
double AmplitudeAt(const Wave& wave, double ratio, std::size_t from, std::size_t count) {
    double re = 0, im = 0;
    for (std::size_t n = from; n < from + count; ++n) {
        const double phase = 2.0 * kPi * ratio * static_cast<double>(n) / kCycleSamples;
        re += wave.samples[n] * std::cos(phase);
        im += wave.samples[n] * std::sin(phase);
    }
    return 2.0 * std::hypot(re, im) / static_cast<double>(count);
}

Wave TwoHarmonics(int attackCycles) {
    Wave wave = NewWave(attackCycles, 4);
    AddSteady(wave, {{1.0, 1.0, 0.2}, {3.0, 0.5, 1.1}});
    return wave;
}

TEST(VoicegenEqualizer, ScalesEachHarmonicByItsGainAndKeepsTheLoopClosed) {
    Wave wave = TwoHarmonics(8);
    const double gains[12] = {0, 0, -6, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Equalize(wave, HarmonicGains(gains));
    const std::size_t loopStart = 8 * 64, loop = 4 * 64;
    EXPECT_NEAR(AmplitudeAt(wave, 1.0, loopStart, loop), 1.0, 1e-6);
    EXPECT_NEAR(AmplitudeAt(wave, 3.0, loopStart, loop), 0.5 * std::pow(10.0, -6.0 / 20), 1e-6);
    // The opening part is the same steady tone before the loop: filtered alike, it runs on into
    // the loop without a step (the loop played again after its end starts where it started).
    EXPECT_NEAR(AmplitudeAt(wave, 3.0, loopStart - loop, loop), 0.5 * std::pow(10.0, -6.0 / 20),
                0.01);
    for (std::size_t n = 64; n < loopStart; ++n) {
        EXPECT_NEAR(wave.samples[n], wave.samples[n + loop * ((loopStart - n + loop - 1) / loop)],
                    0.02)
            << n;
    }
}

TEST(VoicegenEqualizer, FlatGainsLeaveTheWaveformAlone) {
    Wave wave = TwoHarmonics(0);
    const Wave before = wave;
    const double flat[12] = {};
    Equalize(wave, HarmonicGains(flat));
    for (std::size_t n = 0; n < wave.samples.size(); ++n)
        EXPECT_NEAR(wave.samples[n], before.samples[n], 1e-12);
}

TEST(VoicegenEqualizer, GainsRunInDecibelsBetweenHarmonicsAndHoldBeyondThem) {
    const double gains[12] = {-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, -20};
    const RatioGain gain = HarmonicGains(gains);
    EXPECT_NEAR(gain(0.5), std::pow(10.0, -12.0 / 20), 1e-12);
    EXPECT_NEAR(gain(1.5), std::pow(10.0, -6.0 / 20), 1e-12);
    EXPECT_NEAR(gain(11.0), std::pow(10.0, 6.0 / 20), 1e-12);
    EXPECT_NEAR(gain(20.0), std::pow(10.0, -20.0 / 20), 1e-12);
}

TEST(VoicegenEqualizer, EveryMelodicProgramHasGainsWithinTheFittedRange) {
    for (int program = 0; program < kEqualizedPrograms; ++program) {
        for (double db : ProgramEqualizer(program)) {
            EXPECT_GE(db, -24.0) << program;
            EXPECT_LE(db, 15.0) << program;
        }
    }
}

TEST(VoicegenFalling, PitchSinksOntoTheRatioAndIsGoneWhenTheLoopStarts) {
    Wave wave = NewWave(64, 1);
    AddFalling(wave, {{1.0, 1.0, 0.0}}, 1.0, 8.0, 1000.0);
    // Early on the partial sounds near twice its ratio, later near the ratio itself.
    EXPECT_GT(AmplitudeAt(wave, 2.0, 0, 64), AmplitudeAt(wave, 1.0, 0, 64));
    EXPECT_GT(AmplitudeAt(wave, 1.0, 24 * 64, 4 * 64), 5 * AmplitudeAt(wave, 1.5, 24 * 64, 4 * 64));
    for (std::size_t n = 64 * 64; n < wave.samples.size(); ++n) EXPECT_EQ(wave.samples[n], 0.0);
    EXPECT_LT(std::fabs(wave.samples[64 * 64 - 1]), 0.01);
}

}  // namespace
