// The lookup tables that TeInit and SetMasterVolume build.
#include <gtest/gtest.h>

#include "library/frame/frame.h"
#include "library/frame/state.h"

static void BuildAt(std::int32_t sampleRate) {
    g.sampleRate = sampleRate;
    BuildEngineTables();
}

TEST(EngineTables, PitchStepPlaysA64SampleCycleAtTheKeysPitch) {
    BuildAt(22050);
    EXPECT_NEAR(g.tables.pitchStep[69], 20923.966, 0.0005);  // 440 Hz: 440 * 64 / 22050 * 16384
    EXPECT_NEAR(g.tables.pitchStep[9], 653.874, 0.0005);     // 13.75 Hz
    for (int k : {0, 8, 106, 127}) EXPECT_EQ(g.tables.pitchStep[k], 0.0) << k;
    BuildAt(44100);
    EXPECT_NEAR(g.tables.pitchStep[69], 10461.983, 0.0005);
}

TEST(EngineTables, LevelTableRisesToThePeakAndFallsToSilence) {
    BuildAt(22050);
    EXPECT_EQ(g.tables.levelTable[64][0][15], 128);  // 16 * 64 * 32 >> 8
    EXPECT_EQ(g.tables.levelTable[64][0][16], 128);
    EXPECT_EQ(g.tables.levelTable[64][32][32], 0);
    EXPECT_EQ(g.tables.levelTable[1][32][0], 0);    // 1 * 20 >> 8
    EXPECT_EQ(g.tables.levelTable[64][9][0], 7);    // 64 * 28 = 1792, >> 8
    EXPECT_EQ(g.tables.levelTable[40][2][20], 58);  // 40 * 31 = 1240, 12 * 1240 >> 8
}

TEST(EngineTables, SampleScaleFoldsAmplitudeAndSample) {
    BuildAt(22050);
    EXPECT_EQ(g.tables.sampleScale[128][64], 16384);
    EXPECT_EQ(g.tables.sampleScale[128][0], -16384);
    EXPECT_EQ(g.tables.sampleScale[77][32], 0);
    EXPECT_EQ(g.tables.sampleScale[3][40], 96);
}

TEST(EngineTables, CharValueMapsTheSampleAlphabet) {
    BuildAt(22050);
    const auto value = [](char c) { return g.tables.charValue[static_cast<unsigned char>(c)]; };
    EXPECT_EQ(value('0'), 0);
    EXPECT_EQ(value('9'), 9);
    EXPECT_EQ(value('a'), 10);
    EXPECT_EQ(value('A'), 36);
    EXPECT_EQ(value('['), 62);
    EXPECT_EQ(value('\\'), 63);
    EXPECT_EQ(value(']'), 64);
    for (char c : {' ', ',', ';', '^', '-', '@'}) EXPECT_EQ(value(c), 255) << c;
}

static int VolumeEntry(int v, int e, int n) {
    return (*g.volumeTable.load(std::memory_order_acquire))[v][e][n];
}

TEST(VolumeTable, MasterLevelScalesEveryEntry) {
    SetMasterVolume(16);
    EXPECT_EQ(VolumeEntry(15, 15, 15), 64);
    EXPECT_EQ(VolumeEntry(0, 0, 0), 0);
    EXPECT_EQ(VolumeEntry(11, 15, 12), 39);  // 12 * 16 * 13 * 16 = 39936, >> 10
    SetMasterVolume(8);
    EXPECT_EQ(VolumeEntry(15, 15, 15), 32);
    EXPECT_EQ(VolumeEntry(11, 15, 12), 19);  // 19968 >> 10
    SetMasterVolume(0);
    EXPECT_EQ(VolumeEntry(15, 15, 15), 0);
}

TEST(VolumeTable, LevelsAbove16CountAs16) {
    EXPECT_EQ(SetMasterVolume(200), 1);
    EXPECT_EQ(VolumeEntry(15, 15, 15), 64);
}
