// Rendering single voices into the mix, with every expected sample worked out by hand. Unless a
// test says otherwise: loudness 64 (volume, expression and level 15 at master 16), one active
// voice, so the peak level is 16 x 64 x 32 >> 8 = 128 and wave sample s adds 512 x (s - 32).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "library/engine/wave_run.h"
#include "tests/library/engine_fixture.h"

namespace {

using Mix = std::vector<std::int32_t>;

class VoiceRenderTest : public EngineTest {
protected:
    void SetUp() override { Reset(22050); }

    static void Reset(std::int32_t sampleRate) {
        ResetEngine(sampleRate, 15);
        g.activeVoices = 1;
        g.requestedNotes = 1;
    }

    // A tone whose loop is its last loopLength samples; the guard repeats the loop start, or
    // holds the zero line behind a one-shot tone. Every stage lasts for ever.
    static TONEENTRY& MakeTone(const std::vector<std::uint8_t>& samples, std::int32_t loopLength) {
        TONEENTRY& tone = g.toneTable[0];
        const auto n = static_cast<std::int32_t>(samples.size());
        tone.sampleData = static_cast<std::uint8_t*>(std::calloc(n + 70, 1));
        std::memcpy(tone.sampleData, samples.data(), samples.size());
        for (int j = 0; j < 64; ++j) {
            tone.sampleData[n + j] = loopLength == 0 ? 32 : tone.sampleData[n - loopLength + j];
        }
        tone.sampleLength = n;
        tone.loopLength = loopLength;
        tone.guardLoopLength = loopLength;
        for (std::int32_t& end : tone.stageEnd) end = -1;
        return tone;
    }

    static void MakeDrum(int slot, const std::vector<std::uint8_t>& samples) {
        DRUMENTRY& drum = g.drumTable[slot];
        drum.sampleData = static_cast<std::uint8_t*>(std::calloc(samples.size() + 32, 1));
        if (!samples.empty()) std::memcpy(drum.sampleData, samples.data(), samples.size());
        drum.sampleData[samples.size()] = 32;
        drum.sampleLength = static_cast<std::int32_t>(samples.size());
    }

    // Voice 0 on channel 1 playing tone 0 one wave sample per output sample.
    static Voice& Melodic(std::int32_t stage) {
        Voice& v = g.voices[0];
        ClearVoice(v);
        v.modCount = 0;
        v.key = 60;
        v.channel = 1;
        v.level = 15;
        v.stage = stage;
        v.step = 16384.0;
        return v;
    }

    static Voice& Drum(int index, std::uint32_t clock) {
        Voice& v = g.voices[7];
        v.key = static_cast<std::uint8_t>(index);
        v.channel = kDrumChannel;
        v.level = 15;
        v.clock = clock;
        return v;
    }

    static Mix Render(Voice& v, std::uint32_t n, std::int32_t start = 0) {
        Mix mix(n, start);
        RenderVoice(v, n, mix.data());
        return mix;
    }
};

TEST_F(VoiceRenderTest, StageEndAndLoopWrap) {
    // Loop = samples 2..3; stage 0 (level 8) ends at clock 3, stage 1 has level 16.
    MakeTone({40, 48, 24, 16}, 2).stageEnd[0] = 3;
    Voice& v = Melodic(0);
    // Positions 0 1 2 | 3 4 (guard = sample 2), wrap | 3 4, wrap | 3, wrap.
    EXPECT_EQ(Render(v, 8, 1000), (Mix{1256, 1512, 744, -24, 488, -24, 488, -24}));
    EXPECT_EQ(v.clock, 8u);
    EXPECT_EQ(v.stage, 1);
    EXPECT_EQ(v.firstPass, 0);
    EXPECT_EQ(v.phase, 2 * 16384.0);
    EXPECT_EQ(Render(v, 4), (Mix{-512, -1024, -512, -1024}));
}

TEST_F(VoiceRenderTest, MoreActiveVoicesLowerEveryVoice) {
    MakeTone(std::vector<std::uint8_t>(64, 40), 64);
    g.activeVoices = 9;  // gain 28: level 16 x 64 x 28 >> 8 = 112
    EXPECT_EQ(Render(Melodic(16), 2), (Mix{3584, 3584}));
    g.activeVoices = 40;  // row 32, gain 20: level 80
    EXPECT_EQ(Render(Melodic(16), 2), (Mix{2560, 2560}));
}

TEST_F(VoiceRenderTest, TremoloStepsThroughItsShape) {
    MakeTone(std::vector<std::uint8_t>(64, 33), 64);  // adds 4 x level
    Voice& v = Melodic(16);
    v.modMode = 4;
    v.modStart = 2;
    v.modPeriod = 2;
    // Levels from step 1 on: 128, 128 (144 capped), 128, 112, 96, 80, 96, 112.
    EXPECT_EQ(Render(v, 17), (Mix{512, 512, 512, 512, 512, 512, 512, 512, 448, 448, 384, 384, 320,
                                  320, 384, 384, 448}));
    // A new stretch starts from the plain envelope level.
    EXPECT_EQ(Render(v, 1), (Mix{512}));
}

TEST_F(VoiceRenderTest, VibratoChangesThePlayedStepAtEveryStep) {
    std::vector<std::uint8_t> ramp(64);
    for (int i = 0; i < 64; ++i) ramp[i] = static_cast<std::uint8_t>(i);
    MakeTone(ramp, 64);
    Voice& v = Melodic(16);
    v.modMode = 138;  // depth 128: the step swings by 64 x 128 x shape = 8192 x shape
    v.modStart = 2;
    v.modPeriod = 2;
    // Steps 1.5, 2, 1.5, 1, 0.5, 0, 0.5 samples; positions 0 1 2 3 5 7 9 10 12 13 14 14 15 15
    // 15 15.
    const int positions[] = {0, 1, 2, 3, 5, 7, 9, 10, 12, 13, 14, 14, 15, 15, 15, 15};
    Mix expected;
    for (int p : positions) expected.push_back(512 * (p - 32));
    EXPECT_EQ(Render(v, 16), expected);
    EXPECT_EQ(v.step, 16384.0);
}

TEST_F(VoiceRenderTest, OneShotToneStopsAtItsEndButStaysClaimed) {
    MakeTone({40, 48, 56}, 0);
    Voice& v = Melodic(16);
    EXPECT_EQ(Render(v, 6), (Mix{4096, 8192, 12288, 0, 0, 0}));  // the guard read is silence
    EXPECT_EQ(v.stage, 32);
    EXPECT_EQ(v.key, 60);
    EXPECT_EQ(Render(v, 2), (Mix{0, 0}));
}

TEST_F(VoiceRenderTest, DrumAt22050PlaysItsAliasOnceAndFreesItself) {
    MakeDrum(1, {40, 48, 56});
    g.drumTable[11].aliasSlot = 1;
    Voice& v = Drum(11, 0);
    EXPECT_EQ(Render(v, 5), (Mix{4096, 8192, 12288, 0, 0}));
    EXPECT_EQ(v.key, 0);
    EXPECT_EQ(g.activeVoices, 0);
    EXPECT_EQ(g.requestedNotes, 0);
}

TEST_F(VoiceRenderTest, DrumAt44100WithThreeSamplesLeftWritesSix) {
    Reset(44100);
    MakeDrum(11, {40, 48, 56, 60, 36});
    g.requestedNotes = 3;
    Voice& v = Drum(11, 2);
    EXPECT_EQ(Render(v, 8), (Mix{12288, 12288, 14336, 14336, 2048, 2048, 0, 0}));
    EXPECT_EQ(v.key, 0);
    EXPECT_EQ(g.activeVoices, 0);
    EXPECT_EQ(g.requestedNotes, 2);
}

TEST_F(VoiceRenderTest, OddCountAt44100EndsWithAHalfPairThatUsesItsSample) {
    Reset(44100);
    MakeDrum(11, {40, 48, 56, 60, 36});
    Voice& v = Drum(11, 0);
    EXPECT_EQ(Render(v, 3), (Mix{4096, 4096, 8192}));
    EXPECT_EQ(v.clock, 2u);
    EXPECT_EQ(Render(v, 2), (Mix{12288, 12288}));
    EXPECT_EQ(Render(v, 3), (Mix{14336, 14336, 2048}));
    EXPECT_EQ(v.key, 0);

    Voice& last = Drum(11, 4);
    EXPECT_EQ(Render(last, 3), (Mix{2048, 2048, 0}));  // the half pair past the end is silence
    EXPECT_EQ(last.key, 0);
}

// An entry without a sample (an undefined slot whose default entry is missing too, or a sample
// count of 0) is an empty sample: at 44100 Hz a stretch of one sample is the first half of a
// pair and reads the zero line behind it; every other stretch reads nothing. Either way the
// voice is freed at once, with the usual counter steps.
TEST_F(VoiceRenderTest, DrumWithoutASampleAddsNothingAndFreesItself) {
    for (const std::int32_t rate : {22050, 44100}) {
        for (const std::uint32_t n : {1u, 5u}) {
            for (const bool allocated : {false, true}) {
                SCOPED_TRACE(testing::Message() << rate << " Hz, n = " << n
                                                << (allocated ? ", count 0" : ", no data"));
                Reset(rate);  // also empties the drum table
                if (allocated) MakeDrum(1, {});
                g.drumTable[11].aliasSlot = 1;  // slot 1 is the default drum
                Voice& v = Drum(11, 0);
                EXPECT_EQ(Render(v, n, 7), Mix(n, 7));
                EXPECT_EQ(v.key, 0);
                EXPECT_EQ(g.activeVoices, 0);
                EXPECT_EQ(g.requestedNotes, 0);
            }
        }
    }
}

TEST_F(VoiceRenderTest, AnEndingDrumRaisesTheVoicesRenderedAfterIt) {
    MakeDrum(11, {40});
    MakeTone(std::vector<std::uint8_t>(64, 40), 64);
    g.activeVoices = 2;  // gain 31: level 124 for the drum
    Mix mix(2, 0);
    RenderVoice(Drum(11, 0), 2, mix.data());
    RenderVoice(Melodic(16), 2, mix.data());  // one voice left: level 128
    EXPECT_EQ(mix, (Mix{3968 + 4096, 4096}));
}

TEST_F(VoiceRenderTest, DrumIndexZeroNeverSounds) {
    MakeDrum(0, {64, 64, 64});
    ASSERT_EQ(VoiceManager(2, 25, 127, 10, 0), 7);
    EXPECT_EQ(Render(g.voices[7], 3), (Mix{0, 0, 0}));
    EXPECT_EQ(g.activeVoices, 2);
}

TEST_F(VoiceRenderTest, ReadsOutsideTheStoredWaveformFollowTheLoopOrTheZeroLine) {
    TONEENTRY& tone = MakeTone({40, 48, 24, 16}, 2);  // guard 24 16 24 16 ...
    const WaveRef looped{tone.sampleData, 68, 2};
    EXPECT_EQ(ReadWave(looped, -1), 32);
    EXPECT_EQ(ReadWave(looped, 67), 16);
    EXPECT_EQ(ReadWave(looped, 68), 24);  // 66
    EXPECT_EQ(ReadWave(looped, 71), 16);  // 67
    EXPECT_EQ(ReadWave(WaveRef{tone.sampleData, 68, 0}, 68), 32);

    Mix mix(4, 0);
    const std::int16_t* scale = g.tables.sampleScale[128];
    EXPECT_EQ(AddWaveRun(looped, scale, 66 * 16384, 16384, 4, mix.data()), 70 * 16384);
    EXPECT_EQ(mix, (Mix{-4096, -8192, -4096, -8192}));
    mix.assign(4, 0);
    AddWaveRun(looped, scale, -2 * 16384, 16384, 4, mix.data());
    EXPECT_EQ(mix, (Mix{0, 0, 4096, 8192}));
}

// The fast loop for runs inside the waveform takes several samples a turn: whatever the count
// (a remainder or none), the step (slower, faster, backward) and the fraction of the phase, it
// adds what one sample at a time adds, and leaves the mix around the run alone.
TEST_F(VoiceRenderTest, RunsInsideTheWaveformAddWhatOneSampleAtATimeAdds) {
    std::vector<std::uint8_t> wave(4096);
    for (std::size_t i = 0; i < wave.size(); ++i)
        wave[i] = static_cast<std::uint8_t>((i * 37 + i / 7) % 65);
    const TONEENTRY& tone = MakeTone(wave, 4096);
    const WaveRef ref{tone.sampleData, 4096 + 64, 4096};
    const std::int16_t* scale = g.tables.sampleScale[97];
    for (const std::int32_t step : {16384, 8192, 12345, 30001, 65536, -9000}) {
        for (std::uint32_t count = 0; count <= 35; ++count) {
            const std::int64_t phase = 2000 * std::int64_t{16384} + 5555;
            Mix fast(count + 2, 7);
            Mix plain(count + 2, 7);
            EXPECT_EQ(AddWaveRun(ref, scale, phase, step, count, fast.data() + 1),
                      phase + std::int64_t{count} * step);
            for (std::uint32_t i = 0; i < count; ++i)
                plain[i + 1] += scale[wave[(phase + std::int64_t{i} * step) >> 14]];
            ASSERT_EQ(fast, plain) << "step " << step << ", count " << count;
        }
    }
}

// Run by hand under AddressSanitizer or valgrind: no read may leave the waveform's allocation.
TEST_F(VoiceRenderTest, DeepestVibratoStaysInsideTheWaveform) {
    for (std::int32_t length : {64, 128}) {
        std::vector<std::uint8_t> ramp(length);
        for (int i = 0; i < length; ++i) ramp[i] = static_cast<std::uint8_t>(i % 65);
        MakeTone(ramp, 64);
        Voice& v = Melodic(16);
        v.step = g.tables.pitchStep[105];
        v.modMode = 255;
        v.modPeriod = 55;
        for (int stretch = 0; stretch < 100; ++stretch) {
            for (std::int32_t sample : Render(v, 1000)) ASSERT_LE(std::abs(sample), 16384);
        }
        std::free(g.toneTable[0].sampleData);
        g.toneTable[0].sampleData = nullptr;
    }
}

}  // namespace
