// A stretch adds every voice into the mix a tile at a time. Whatever the tiles, the mix and the
// voices must end as if each voice had rendered the whole stretch in turn, in index order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/library/engine_fixture.h"

namespace {

using Mix = std::vector<std::int32_t>;

class StretchRenderTest : public EngineTest {
protected:
    void SetUp() override {
        ResetEngine(22050, 15);
        g.polyLimit.store(8);
        g.usPerTick = 1000;  // 22.05 samples per tick
    }

    // Tone 0: a rising 64-sample loop whose stages end at the given clocks.
    static void MakeTone(const std::vector<std::int32_t>& stageEnds) {
        TONEENTRY& tone = g.toneTable[0];
        tone.sampleData = static_cast<std::uint8_t*>(std::calloc(64 + 70, 1));
        for (int j = 0; j < 128; ++j) tone.sampleData[j] = static_cast<std::uint8_t>(j % 64);
        tone.sampleLength = 64;
        tone.loopLength = 64;
        tone.guardLoopLength = 64;
        for (std::int32_t& end : tone.stageEnd) end = -1;
        for (std::size_t i = 0; i < stageEnds.size(); ++i) tone.stageEnd[i] = stageEnds[i];
    }

    static void MakeDrum(int slot, std::size_t length) {
        DRUMENTRY& drum = g.drumTable[slot];
        drum.sampleData = static_cast<std::uint8_t*>(std::calloc(length + 32, 1));
        for (std::size_t j = 0; j < length; ++j)
            drum.sampleData[j] = static_cast<std::uint8_t>(j * 7 % 64);
        drum.sampleData[length] = 32;
        drum.sampleLength = static_cast<std::int32_t>(length);
    }

    static void Melodic(int index, double step) {
        Voice& v = g.voices[index];
        ClearVoice(v);
        v.key = static_cast<std::uint8_t>(60 + index);
        v.channel = static_cast<std::uint8_t>(1 + index);
        v.level = 15;
        v.step = step;
    }

    static void Drum(int index, int slot) {
        Voice& v = g.voices[index];
        ClearVoice(v);
        v.key = static_cast<std::uint8_t>(slot);
        v.channel = kDrumChannel;
        v.level = 15;
    }

    // Renders ticks through WaveSynth into a fresh mix.
    static Mix Stretch(std::uint32_t ticks) {
        Mix mix(2 * 44100, 0);
        g.mixCursor = mix.data();
        g.blockSamples = 0;
        EXPECT_EQ(WaveSynth(ticks), 1);
        mix.resize(static_cast<std::size_t>(g.blockSamples));
        return mix;
    }

    // The same samples with every voice rendered over the whole stretch, one after the other.
    static Mix VoiceByVoice(std::uint32_t n) {
        Mix mix(n, 0);
        for (Voice& v : g.voices) RenderVoice(v, n, mix.data());
        return mix;
    }

    static void ExpectSameVoices(const Voice* before) {
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(g.voices[i].key, before[i].key);
            EXPECT_EQ(g.voices[i].clock, before[i].clock);
            EXPECT_EQ(g.voices[i].phase, before[i].phase);
            EXPECT_EQ(g.voices[i].stage, before[i].stage);
            EXPECT_EQ(g.voices[i].firstPass, before[i].firstPass);
            EXPECT_EQ(g.voices[i].modCount, before[i].modCount);
        }
    }
};

}  // namespace

TEST_F(StretchRenderTest, TilesAddUpToEachVoiceInTurnAcrossTileEndsEnvelopesAndAnEndingDrum) {
    // Stage ends just before, at and after the first tile end, and inside the third tile.
    MakeTone({511, 512, 513, 1300});
    MakeDrum(11, 700);  // ends inside the second tile: the voices after it rise a row
    Melodic(0, 16384.0);
    Drum(1, 11);
    Melodic(2, 12000.5);
    Melodic(3, 30000.25);
    g.voices[3].modMode = 4;  // tremolo stepping every 100 samples
    g.voices[3].modStart = 50;
    g.voices[3].modPeriod = 100;
    Melodic(5, 16384.0 * 7.3);  // vibrato
    g.voices[5].modMode = 13;
    g.voices[5].modStart = 10;
    g.voices[5].modPeriod = 90;
    g.activeVoices = 5;
    g.requestedNotes = 5;
    Voice saved[33];
    std::memcpy(static_cast<void*>(saved), static_cast<const void*>(g.voices), sizeof saved);

    const Mix expected = VoiceByVoice(1543);  // 70 ticks
    Voice rendered[33];
    std::memcpy(static_cast<void*>(rendered), static_cast<const void*>(g.voices), sizeof rendered);
    const std::int32_t activeAfter = g.activeVoices;
    ASSERT_EQ(activeAfter, 4);

    std::memcpy(static_cast<void*>(g.voices), static_cast<const void*>(saved), sizeof saved);
    g.activeVoices = 5;
    g.requestedNotes = 5;
    EXPECT_EQ(Stretch(70), expected);
    ExpectSameVoices(rendered);
    EXPECT_EQ(g.activeVoices, activeAfter);
}

TEST_F(StretchRenderTest, DrumPairsAt44100KeepTheirHalvesAcrossTileEnds) {
    ResetEngine(44100, 15);
    g.usPerTick = 1000;  // 44.1 samples per tick
    MakeDrum(11, 300);
    MakeDrum(12, 257);  // both drums sound past the first tile end
    Drum(0, 11);
    Drum(2, 12);
    g.voices[0].clock = 40;
    g.activeVoices = 2;
    g.requestedNotes = 2;
    Voice saved[33];
    std::memcpy(static_cast<void*>(saved), static_cast<const void*>(g.voices), sizeof saved);

    const Mix expected = VoiceByVoice(1014);  // 23 ticks
    const std::int32_t activeAfter = g.activeVoices;
    std::memcpy(static_cast<void*>(g.voices), static_cast<const void*>(saved), sizeof saved);
    g.activeVoices = 2;
    g.requestedNotes = 2;
    EXPECT_EQ(Stretch(23), expected);
    EXPECT_EQ(g.activeVoices, activeAfter);
    EXPECT_EQ(g.voices[0].key, 0);
    EXPECT_EQ(g.voices[2].key, 0);
}
