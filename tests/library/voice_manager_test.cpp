// The voice pool: claims, reuse, stealing, the hi-hat group, counters, levels, pitch steps and
// modulation set-up, worked out by hand from the pool rules.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/library/engine_fixture.h"

namespace {

constexpr std::int32_t kOn = 2;
constexpr std::int32_t kOff = 1;
constexpr std::int32_t kAllOff = 0;
constexpr std::int32_t kRetune = 3;
constexpr std::int32_t kOnFresh = 4;

class VoiceManagerTest : public EngineTest {
protected:
    void SetUp() override { Reset(22050); }

    static void Reset(std::int32_t sampleRate) { ResetEngine(sampleRate, 12); }

    // Fills all eight voices of channel 1 with keys 60.. and the given start ticks.
    static void FillPool(const std::uint32_t (&ticks)[8]) {
        for (int i = 0; i < 8; ++i)
            VoiceManager(kOn, static_cast<std::uint8_t>(60 + i), 100, 1, ticks[i]);
    }
};

TEST_F(VoiceManagerTest, MelodicNotesClaimTheLowestFreeVoices) {
    g.channels[3].program = 5;
    EXPECT_EQ(VoiceManager(kOn, 60, 100, 3, 7), 0);
    EXPECT_EQ(VoiceManager(kOn, 64, 100, 3, 9), 1);
    const Voice& v = g.voices[1];
    EXPECT_EQ(v.program, 5);
    EXPECT_EQ(v.key, 64);
    EXPECT_EQ(v.channel, 3);
    EXPECT_EQ(v.startTick, 9u);
    EXPECT_EQ(v.level, 12);  // 100 >> 3
    EXPECT_EQ(v.stage, 0);
    EXPECT_EQ(v.firstPass, 1);
    EXPECT_EQ(v.step, g.tables.pitchStep[64]);
    EXPECT_EQ(g.activeVoices, 2);
    EXPECT_EQ(g.requestedNotes, 2);
    EXPECT_EQ(g.peakVoices, 2);
    EXPECT_EQ(g.peakRequests, 2);
}

TEST_F(VoiceManagerTest, RetriggerReusesTheVoiceUnlessAFreeOneComesFirst) {
    VoiceManager(kOn, 60, 100, 1, 0);
    VoiceManager(kOn, 62, 100, 1, 0);
    EXPECT_EQ(VoiceManager(kOn, 62, 90, 1, 5), 1);  // same key, same channel: taken over
    EXPECT_EQ(g.activeVoices, 2);
    EXPECT_EQ(g.requestedNotes, 3);
    EXPECT_EQ(VoiceManager(kOnFresh, 62, 90, 1, 5), 2);  // request 4 starts a second voice
    EXPECT_EQ(g.activeVoices, 3);
    EXPECT_EQ(VoiceManager(kOn, 62, 90, 2, 5), 3);  // same key on another channel is not reused

    VoiceManager(kOff, 60, 0, 1, 0);  // frees voice 0
    EXPECT_EQ(VoiceManager(kOn, 62, 90, 1, 6), 0);
    EXPECT_EQ(g.voices[1].key, 62);  // the old voice keeps sounding
}

TEST_F(VoiceManagerTest, FullPoolStealsTheOldestVoiceNotLaterThanTheNote) {
    FillPool({50, 40, 30, 60, 30, 60, 70, 80});
    EXPECT_EQ(g.activeVoices, 8);
    EXPECT_EQ(VoiceManager(kOn, 90, 100, 2, 35), 2);  // 30 at voices 2 and 4: the lower index
    EXPECT_EQ(g.voices[2].key, 90);
    EXPECT_EQ(g.voices[2].startTick, 35u);
    EXPECT_EQ(g.activeVoices, 8);
    EXPECT_EQ(g.requestedNotes, 9);
}

TEST_F(VoiceManagerTest, FullPoolFallsBackToVoiceZeroWhenEveryVoiceIsLater) {
    FillPool({50, 40, 30, 60, 30, 60, 70, 80});
    EXPECT_EQ(VoiceManager(kOn, 90, 100, 2, 10), 0);
}

TEST_F(VoiceManagerTest, FullPoolGivesUpADrumOrSameKeyVoiceFirst) {
    FillPool({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(VoiceManager(kOn, 65, 100, 1, 50), 5);  // voice 5 holds key 65 on channel 1
    g.voices[6].channel = kDrumChannel;
    EXPECT_EQ(VoiceManager(kOn, 65, 100, 1, 50), 6);  // the drum voice is met first from the top
}

TEST_F(VoiceManagerTest, FullPoolResetsTheActiveCountToTheLimit) {
    FillPool({0, 0, 0, 0, 0, 0, 0, 0});
    g.activeVoices = 11;
    VoiceManager(kOn, 90, 100, 2, 0);
    EXPECT_EQ(g.activeVoices, 8);
}

TEST_F(VoiceManagerTest, DrumNotesTakeFreeVoicesFromTheTop) {
    EXPECT_EQ(VoiceManager(kOn, 36, 100, 10, 0), 7);
    EXPECT_EQ(g.voices[7].key, 11);  // drum index 36 - 25
    EXPECT_EQ(VoiceManager(kOn, 24, 100, 10, 0), 6);
    EXPECT_EQ(g.voices[6].key, 1);  // keys below 25 play the default drum
    EXPECT_EQ(VoiceManager(kOn, 90, 100, 10, 0), 5);
    EXPECT_EQ(g.voices[5].key, 1);  // so do keys above 87
    EXPECT_EQ(g.activeVoices, 3);
}

TEST_F(VoiceManagerTest, DrumIndexZeroClaimsAVoiceThatStaysFreeButCounts) {
    EXPECT_EQ(VoiceManager(kOn, 25, 100, 10, 0), 7);
    EXPECT_EQ(g.voices[7].key, 0);
    EXPECT_EQ(g.voices[7].channel, kDrumChannel);
    EXPECT_EQ(g.activeVoices, 1);
    EXPECT_EQ(g.requestedNotes, 1);
    EXPECT_EQ(VoiceManager(kOn, 36, 100, 10, 0), 7);  // it is free again for the next note
    EXPECT_EQ(g.activeVoices, 2);
}

TEST_F(VoiceManagerTest, FullDrumPoolTakesTheOldestOrVoiceZero) {
    FillPool({50, 40, 30, 60, 30, 60, 70, 80});
    EXPECT_EQ(VoiceManager(kOn, 36, 100, 10, 45), 2);
    EXPECT_EQ(VoiceManager(kOn, 38, 100, 10, 5), 0);
    EXPECT_EQ(g.activeVoices, 8);
}

TEST_F(VoiceManagerTest, HiHatsTakeOverEachOtherOnTheDrumChannelOnly) {
    VoiceManager(kOn, 19, 100, 1, 0);                 // melodic key 19 in voice 0
    EXPECT_EQ(VoiceManager(kOn, 44, 100, 10, 0), 7);  // pedal hi-hat, index 19: not voice 0
    EXPECT_EQ(VoiceManager(kOn, 36, 100, 10, 0), 6);
    EXPECT_EQ(VoiceManager(kOn, 42, 100, 10, 0), 7);  // closed hi-hat takes the pedal's voice
    EXPECT_EQ(g.voices[7].key, 17);
    EXPECT_EQ(g.activeVoices, 3);
    EXPECT_EQ(g.requestedNotes, 4);
    g.voices[3] = g.voices[7];
    EXPECT_EQ(VoiceManager(kOn, 46, 100, 10, 0), 3);  // the lowest-numbered hi-hat voice
}

TEST_F(VoiceManagerTest, NoteOffFreesTheKeyAndStepsTheRequestCountOnce) {
    VoiceManager(kOn, 60, 100, 1, 0);
    VoiceManager(kOn, 60, 100, 2, 0);
    VoiceManager(kOnFresh, 60, 100, 1, 0);  // a second voice of key 60 on channel 1
    VoiceManager(kOff, 60, 0, 1, 0);
    EXPECT_EQ(g.voices[0].key, 0);
    EXPECT_EQ(g.voices[2].key, 0);
    EXPECT_EQ(g.voices[1].key, 60);
    EXPECT_EQ(g.activeVoices, 1);
    EXPECT_EQ(g.requestedNotes, 2);  // 1 < 3: down by one only
    VoiceManager(kOff, 70, 0, 2, 0);
    EXPECT_EQ(g.requestedNotes, 1);
    VoiceManager(kOff, 70, 0, 2, 0);
    EXPECT_EQ(g.requestedNotes, 1);  // no longer above the active count
    EXPECT_EQ(g.peakVoices, 3);
    EXPECT_EQ(g.peakRequests, 3);
}

TEST_F(VoiceManagerTest, DrumVoicesIgnoreNoteOff) {
    VoiceManager(kOn, 42, 100, 10, 0);
    VoiceManager(kOn, 46, 100, 10, 0);  // takes over: 1 active, 2 requested
    VoiceManager(kOff, 46, 0, 10, 0);
    VoiceManager(kOff, 21, 0, 10, 0);  // not by the drum index either
    EXPECT_EQ(g.voices[7].key, 21);
    EXPECT_EQ(g.activeVoices, 1);
    EXPECT_EQ(g.requestedNotes, 1);
}

TEST_F(VoiceManagerTest, AllNotesOffDropsTheRequestCountByOneMoreThanTheVoices) {
    VoiceManager(kOn, 60, 100, 2, 0);
    VoiceManager(kOn, 62, 100, 2, 0);
    VoiceManager(kOn, 64, 100, 2, 0);
    VoiceManager(kOn, 60, 100, 3, 0);
    VoiceManager(kOn, 62, 100, 3, 0);
    VoiceManager(kOn, 64, 100, 2, 0);  // retrigger: 5 active, 6 requested
    VoiceManager(kAllOff, 0, 0, 2, 0);
    EXPECT_EQ(g.activeVoices, 2);
    EXPECT_EQ(g.requestedNotes, 2);
    EXPECT_EQ(g.voices[0].key, 0);
    EXPECT_EQ(g.voices[3].key, 60);
    VoiceManager(kAllOff, 0, 0, 3, 0);
    EXPECT_EQ(g.activeVoices, 0);
    EXPECT_EQ(g.requestedNotes, 0);  // 2 - 2 - 1, held at 0
}

TEST_F(VoiceManagerTest, AllNotesOffClearsAndCountsADrumIndexZeroVoice) {
    VoiceManager(kOn, 25, 100, 10, 0);  // voice 7, key 0
    VoiceManager(kOn, 60, 100, 1, 0);
    VoiceManager(kAllOff, 0, 0, 10, 0);
    EXPECT_EQ(g.voices[7].channel, 0);
    EXPECT_EQ(g.activeVoices, 1);
    EXPECT_EQ(g.requestedNotes, 0);
}

TEST_F(VoiceManagerTest, RefusesKeysOutsideTheRangeAndBadRequestsOrChannels) {
    VoiceManager(kOn, 60, 100, 1, 0);
    g.peakVoices = 0;
    EXPECT_EQ(VoiceManager(kOn, 8, 100, 1, 0), -1);
    EXPECT_EQ(VoiceManager(kOnFresh, 106, 100, 1, 0), -1);
    EXPECT_EQ(VoiceManager(5, 60, 100, 1, 0), -1);
    EXPECT_EQ(VoiceManager(-1, 60, 100, 1, 0), -1);
    EXPECT_EQ(VoiceManager(kAllOff, 0, 0, 0, 0), -1);
    EXPECT_EQ(VoiceManager(kAllOff, 0, 0, 17, 0), -1);
    EXPECT_EQ(g.activeVoices, 1);
    EXPECT_EQ(g.requestedNotes, 1);
    EXPECT_EQ(g.peakVoices, 0);  // a refused request raises no peak
    EXPECT_EQ(g.voices[1].key, 0);
    EXPECT_EQ(VoiceManager(kOn, 9, 100, 1, 0), 1);
    EXPECT_EQ(VoiceManager(kOn, 105, 100, 1, 0), 2);
}

TEST_F(VoiceManagerTest, LevelFollowsVelocityAndLiftsLowOrLowersHighKeys) {
    VoiceManager(kOn, 20, 127, 1, 0);   // 15 + 2, limited
    VoiceManager(kOn, 100, 8, 1, 0);    // 1 - 2, not below 0
    VoiceManager(kOn, 90, 1, 1, 0);     // 0 - 1
    VoiceManager(kOn, 30, 100, 1, 0);   // 12 + 1
    VoiceManager(kOn, 85, 100, 1, 0);   // 12 - 1
    VoiceManager(kOn, 40, 100, 10, 0);  // the MIDI key counts on the drum channel too
    VoiceManager(kOn, 90, 100, 10, 0);
    EXPECT_EQ(g.voices[0].level, 15);
    EXPECT_EQ(g.voices[1].level, 0);
    EXPECT_EQ(g.voices[2].level, 0);
    EXPECT_EQ(g.voices[3].level, 13);
    EXPECT_EQ(g.voices[4].level, 11);
    EXPECT_EQ(g.voices[7].level, 12);
    EXPECT_EQ(g.voices[6].level, 11);
}

TEST_F(VoiceManagerTest, OctaveTuningsUseTheTableAndOthersTheGeneralFormula) {
    g.toneTable[1].tuneCents = 1200;
    g.toneTable[2].tuneCents = -1200;
    g.toneTable[3].tuneCents = 50;
    for (std::uint8_t program = 0; program < 4; ++program) {
        g.channels[program + 1].program = program;
        VoiceManager(kOn, 69, 100, static_cast<std::uint8_t>(program + 1), 0);
    }
    EXPECT_EQ(g.voices[0].step, g.tables.pitchStep[69]);
    EXPECT_EQ(g.voices[1].step, g.tables.pitchStep[69] * 2.0);
    EXPECT_EQ(g.voices[2].step, g.tables.pitchStep[69] * 0.5);
    // A quarter tone above 440 Hz: 452.893 Hz x 64 x 16384 / 22050.
    EXPECT_NEAR(g.voices[3].step, 21537.08, 0.01);
    const double f = 13.75 * std::pow(2.0, (50 * 0.01 + 69 + 0.0 - 9) / 12);
    EXPECT_EQ(g.voices[3].step, 64.0 / (22050 / f) * 16384.0);
}

TEST_F(VoiceManagerTest, PitchBendMakesEvenAnUntunedNoteUseTheFormula) {
    g.channels[1].pitchBend = 1.0;
    VoiceManager(kOn, 60, 100, 1, 0);
    EXPECT_NEAR(g.voices[0].step, g.tables.pitchStep[61], 1e-6);
}

TEST_F(VoiceManagerTest, RetuneFollowsTheChannelsBendAndCurrentProgram) {
    VoiceManager(kOn, 60, 100, 1, 0);
    VoiceManager(kOn, 60, 100, 2, 0);
    g.toneTable[7].tuneCents = 100;
    g.channels[1].program = 7;
    g.channels[1].pitchBend = 2.0;
    VoiceManager(kRetune, 0, 0, 1, 0);
    EXPECT_NEAR(g.voices[0].step, g.tables.pitchStep[63], 1e-6);  // + 2 semitones + 100 cents
    EXPECT_EQ(g.voices[1].step, g.tables.pitchStep[60]);
    EXPECT_EQ(g.voices[0].program, 0);  // the voice keeps its own tone
}

TEST_F(VoiceManagerTest, ModulationAndAttackComeFromTheTone) {
    TONEENTRY& tone = g.toneTable[0];
    tone.modMode = 4;
    tone.modSpeed = 4;
    tone.modDelay = 3;
    tone.attackRate = 15;
    VoiceManager(kOn, 60, 100, 1, 0);
    const Voice& v = g.voices[0];
    EXPECT_EQ(v.modMode, 4);
    EXPECT_EQ(v.modCount, 0);
    EXPECT_EQ(v.modStart, 3306);  // 3 x 1102
    EXPECT_EQ(v.modPeriod, 660);  // 880 - 4 x 55
    EXPECT_EQ(v.stage, 16);       // no attack: the peak at once

    tone.modSpeed = 20;  // taken as 15
    VoiceManager(kOn, 61, 100, 1, 0);
    EXPECT_EQ(g.voices[1].modPeriod, 55);
}

TEST_F(VoiceManagerTest, ModulationTimesDoubleAt44100) {
    Reset(44100);
    g.toneTable[0].modSpeed = 4;
    g.toneTable[0].modDelay = 3;
    VoiceManager(kOn, 60, 100, 1, 0);
    EXPECT_EQ(g.voices[0].modStart, 6612);
    EXPECT_EQ(g.voices[0].modPeriod, 1320);
    EXPECT_EQ(g.voices[0].step, g.tables.pitchStep[60]);
}

}  // namespace
