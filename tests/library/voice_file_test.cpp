// Loading voice files into the tone and drum tables; expected values worked by hand from the
// envelope formulas (attack unit 1102 samples, decay unit 2205, divisions truncated).
#include <string>
#include <vector>

#include "tests/library/library_fixture.h"

namespace {

using Ints = std::vector<int>;

const char kSampleChars[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]";

// n sample characters whose values run 0, 1, .., 64, 0, 1, ..
std::string Wave(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += kSampleChars[i % 65];
    return text;
}

// Tone 1 with a looped waveform of 64 samples and no envelope to speak of.
const std::string kPiano = "@001,Piano,15,0,0,0,0,0,0,0,64,1\n" + Wave(64) + ";\n";

Ints Bytes(const std::uint8_t* data, int from, int to) { return Ints(data + from, data + to); }

Ints Repeat(int value, int count) { return Ints(count, value); }

Ints Ramp(int from, int count) {
    Ints values;
    for (int i = 0; i < count; ++i) values.push_back((from + i) % 65);
    return values;
}

Ints StageEnds(const TONEENTRY& tone, int from, int to) {
    return Ints(tone.stageEnd + from, tone.stageEnd + to + 1);
}

class VoiceFileTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        Init(flag);
    }

    static std::int32_t LoadVoices(const std::string& file) {
        return TeVoiceSet(reinterpret_cast<const std::uint8_t*>(file.data()),
                          static_cast<std::int32_t>(file.size()));
    }

    static std::vector<std::u16string> Texts() {
        std::vector<std::u16string> texts;
        for (const ShownBox& box : boxes) {
            EXPECT_EQ(box.caption, u"TESALO.DLL");
            texts.push_back(box.text);
        }
        return texts;
    }

    static const TONEENTRY& Tone(int number) { return g.toneTable[number - 1]; }
    static const DRUMENTRY& Slot(int slot) { return g.drumTable[slot]; }

    std::uint32_t flag = TE_FORMAT_22K_8;
};

class VoiceFile44kTest : public VoiceFileTest {
protected:
    VoiceFile44kTest() { flag = TE_FORMAT_44K_8; }
};

using VoiceFileUninitializedTest = LibraryTest;

TEST_F(VoiceFileUninitializedTest, RefusedInBothLanguages) {
    const std::string file = "2\n" + kPiano;
    const auto* image = reinterpret_cast<const std::uint8_t*>(file.data());
    EXPECT_EQ(TeVoiceSet(image, static_cast<std::int32_t>(file.size())), 0);
    g.bJapanese = 1;
    EXPECT_EQ(TeVoiceSet(image, static_cast<std::int32_t>(file.size())), 0);
    g.bJapanese = 0;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, u"Tesalo is not initialized.");
    EXPECT_EQ(boxes[1].text, u"Tesaloが初期化されていません\nTeVoiceSet()呼び出しは失敗しました");
    EXPECT_EQ(g.toneTable[0].sampleData, nullptr);
}

TEST_F(VoiceFileTest, VersionMustBeTwo) {
    EXPECT_EQ(LoadVoices("1\n" + kPiano), 0);
    EXPECT_EQ(LoadVoices(""), 0);
    g.bJapanese = 1;
    EXPECT_EQ(LoadVoices("version 3\n" + kPiano), 0);
    EXPECT_EQ(
        Texts(),
        (std::vector<std::u16string>{
            u"The versions of tone definition file(voice.txt) differ.",
            u"The versions of tone definition file(voice.txt) differ.",
            u"音色定義ファイルのバージョンが異なります\nTeVoiceSet()呼び出しは失敗しました"}));
    EXPECT_EQ(Tone(1).sampleData, nullptr);
    g.bJapanese = 0;
    EXPECT_EQ(LoadVoices("voice file, version 2\n" + kPiano), 1);
    EXPECT_NE(Tone(1).sampleData, nullptr);
}

TEST_F(VoiceFileTest, ToneNumbersOutsideTheTableAreRefused) {
    EXPECT_EQ(LoadVoices("2\n" + kPiano + "@000,Zero,15,0,0,0,0,0,0,0,1,0 a;"), 0);
    EXPECT_EQ(LoadVoices("2\n" + kPiano + "@129,Over,15,0,0,0,0,0,0,0,1,0 a;"), 0);
    g.bJapanese = 1;  // exists in English only
    EXPECT_EQ(LoadVoices("2\n@-1,Minus,15,0,0,0,0,0,0,0,1,0 a;"), 0);
    g.bJapanese = 0;
    EXPECT_EQ(Texts(), std::vector<std::u16string>(3, u"Invalid tone number difinition."));
    EXPECT_EQ(Tone(1).sampleLength, 64);  // the entries before the refusal stay loaded
}

TEST_F(VoiceFileTest, EnvelopeStageEnds) {
    ASSERT_EQ(LoadVoices("2\n" + kPiano +
                         "@002,Hold4,15,10,0,4,0,0,0,0,1,0 a;"
                         "@003,NoSteps,10,5,3,0,0,0,0,0,1,0 a;"
                         "@004,Steps12,0,14,1,12,0,0,0,0,1,0 a;"
                         "@005,NoDecay,13,0,7,5,0,0,0,0,1,0 a;"
                         "@006,NoSteps0,15,7,0,0,0,0,0,0,1,0 a;"),
              1);
    EXPECT_TRUE(boxes.empty());
    // Attack 15 starts at the peak; 4 steps of 11025 / 4 = 2756, then held at stage 20.
    EXPECT_EQ(StageEnds(Tone(2), 0, 15), Repeat(0, 16));
    EXPECT_EQ(StageEnds(Tone(2), 16, 20), (Ints{2756, 5512, 8268, 11024, -1}));
    EXPECT_EQ(Tone(2).stageEnd[32], -1);
    // Attack 5510 / 15 = 367 per stage; first decay 22050 at once; then 26460 / 15 = 1764.
    EXPECT_EQ(StageEnds(Tone(3), 0, 2), (Ints{0, 367, 734}));
    EXPECT_EQ(StageEnds(Tone(3), 15, 17), (Ints{5505, 27555, 29319}));
    EXPECT_EQ(StageEnds(Tone(3), 31, 32), (Ints{54015, -1}));
    // Attack 1102; 12 steps of 2205 / 12 = 183; 4 steps of 30870 / 4 = 7717.
    EXPECT_EQ(Tone(4).stageEnd[15], 16530);
    EXPECT_EQ(StageEnds(Tone(4), 16, 17), (Ints{16713, 16896}));
    EXPECT_EQ(StageEnds(Tone(4), 27, 32), (Ints{18726, 26443, 34160, 41877, 49594, -1}));
    // Decay 1 rate 0 holds the peak; so does a first decay of 0 steps without a second decay.
    EXPECT_EQ(StageEnds(Tone(5), 14, 16), (Ints{2044, 2190, -1}));
    EXPECT_EQ(Tone(6).stageEnd[16], -1);
}

TEST_F(VoiceFile44kTest, StageEndsAreDoubledExceptNever) {
    ASSERT_EQ(LoadVoices("2\n" + kPiano +
                         "@004,Steps12,0,14,1,12,0,0,0,0,1,0 a;"
                         "@005,NoDecay,13,0,7,5,0,0,0,0,1,0 a;"),
              1);
    EXPECT_EQ(StageEnds(Tone(4), 0, 1), (Ints{0, 2204}));
    EXPECT_EQ(StageEnds(Tone(4), 15, 16), (Ints{33060, 33426}));
    EXPECT_EQ(StageEnds(Tone(4), 27, 32), (Ints{37452, 52886, 68320, 83754, 99188, -1}));
    EXPECT_EQ(StageEnds(Tone(5), 15, 16), (Ints{4380, -1}));
}

TEST_F(VoiceFileTest, EnvelopeParameterAboveFifteenIsClampedAndLoadGoesOn) {
    g.bJapanese = 1;  // exists in English only
    EXPECT_EQ(LoadVoices("2\n" + kPiano + "@002,Wild,20,14,20,20,0,0,0,0,1,0 a;"), 1);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Voice.txt envelope parameter error"});
    const TONEENTRY& tone = Tone(2);
    EXPECT_EQ((Ints{tone.attackRate, tone.decay1Rate, tone.decay2Rate, tone.decay1Steps}),
              (Ints{15, 14, 15, 15}));
    // 15 steps of 2205 / 15 = 147 from the peak at 0; the second decay takes 0 samples.
    EXPECT_EQ(StageEnds(tone, 15, 17), (Ints{0, 147, 294}));
    EXPECT_EQ(StageEnds(tone, 30, 32), (Ints{2205, 2205, -1}));
}

TEST_F(VoiceFileTest, CommentsJoinTheTextAroundThem) {
    ASSERT_EQ(LoadVoices("// voice file 1\r\n2\n"
                         "@001,Piano,1// attack, split\r\n5,0,0,0,11,3,2,-1// cents\n2,4,0\n"
                         "ab// c;d\ncd; // the end without a line feed"),
              1);
    const TONEENTRY& tone = Tone(1);
    EXPECT_EQ(tone.attackRate, 15);
    EXPECT_EQ(tone.modMode, 11);
    EXPECT_EQ(tone.modSpeed, 3);
    EXPECT_EQ(tone.modDelay, 2);
    EXPECT_EQ(tone.tuneCents, -12.0);
    EXPECT_EQ(Bytes(tone.sampleData, 0, 4), (Ints{10, 11, 12, 13}));
}

TEST_F(VoiceFileTest, SampleCountDecidesTheWaveform) {
    ASSERT_EQ(LoadVoices("2\n"
                         "@001,Short,15,0,0,0,0,0,0,0,6,0 a b,c\n;"
                         "@002,Long,15,0,0,0,0,0,0,0,3,0 abcdef;"
                         "@003,Open,15,0,0,0,0,0,0,0,4,0 gh"),
              1);
    // Missing characters stay 0; surplus ones are dropped; no ";" ends at the end of the text.
    EXPECT_EQ(Bytes(Tone(1).sampleData, 0, 6), (Ints{10, 11, 12, 0, 0, 0}));
    EXPECT_EQ(Bytes(Tone(2).sampleData, 0, 3), (Ints{10, 11, 12}));
    EXPECT_EQ(Bytes(Tone(3).sampleData, 0, 4), (Ints{16, 17, 0, 0}));
    // Behind a one-shot waveform the guard samples are silence.
    EXPECT_EQ(Bytes(Tone(1).sampleData, 6, 70), Repeat(32, 64));
    EXPECT_EQ(Bytes(Tone(3).sampleData, 4, 68), Repeat(32, 64));
}

// A damaged count of billions of samples is refused as the memory error, for a tone and for a
// drum, instead of taking gigabytes; a count of a million still loads.
TEST_F(VoiceFileTest, AWaveformOfBillionsOfSamplesIsTheMemoryError) {
    EXPECT_EQ(LoadVoices("2\n@001,Huge,15,0,0,0,0,0,0,0,2123741823,1 abc;"), 0);
    EXPECT_EQ(LoadVoices("2\n@001,Tone,15,0,0,0,0,0,0,0,3,0 abc;\n#35 Huge,0,2000000000\nabc;"), 0);
    EXPECT_EQ(boxes.size(), 2u);
    boxes.clear();
    EXPECT_EQ(LoadVoices("2\n@001,Long,15,0,0,0,0,0,0,0,1048576,0 abc;"), 1);
    EXPECT_EQ(Tone(1).sampleLength, 1048576);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(VoiceFileTest, GuardSamplesRepeatTheLoopStart) {
    ASSERT_EQ(LoadVoices("2\n@001,Looped,15,0,0,0,0,0,0,0,128,1 " + Wave(128) +
                         ";@002,Cut,15,0,0,0,0,0,0,0,100,2 " + Wave(100) +
                         ";@003,Whole,15,0,0,0,0,0,0,0,64,3 " + Wave(64) + ";"),
              1);
    EXPECT_EQ(Tone(1).loopLength, 64);
    EXPECT_EQ(Bytes(Tone(1).sampleData, 128, 192), Ramp(64, 64));
    // A loop longer than the waveform is the whole waveform.
    EXPECT_EQ(Tone(2).loopLength, 100);
    EXPECT_EQ(Bytes(Tone(2).sampleData, 100, 164), Ramp(0, 64));
    EXPECT_EQ(Tone(3).loopLength, 64);
    EXPECT_EQ(Bytes(Tone(3).sampleData, 64, 128), Ramp(0, 64));
}

TEST_F(VoiceFileTest, NamesAreCutAndStepOverDoubleByteCharacters) {
    ASSERT_EQ(LoadVoices("2\n@001,ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn,15,0,0,0,0,0,0,0,1,0 a;"
                         "@002,\x81,Pi,15,0,0,0,0,0,0,0,1,0 b;"
                         "@003 \x82,x,Skipped,15,0,0,0,0,0,0,0,1,0 c;"
                         "#36 ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij,0,1,d;"
                         "#37 \x83,Snare,0,1,e;"),
              1);
    EXPECT_STREQ(Tone(1).name, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghi");
    EXPECT_STREQ(Tone(2).name, "\x81,Pi");
    EXPECT_EQ(Tone(2).attackRate, 15);
    EXPECT_EQ(Tone(2).sampleData[0], 11);
    EXPECT_STREQ(Tone(3).name, "Skipped");
    EXPECT_EQ(Tone(3).sampleData[0], 12);
    EXPECT_STREQ(Slot(11).name, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");
    EXPECT_EQ(Slot(11).sampleData[0], 13);
    EXPECT_STREQ(Slot(12).name, "\x83,Snare");
    EXPECT_EQ(Slot(12).sampleData[0], 14);
}

TEST_F(VoiceFileTest, AlternateToneCopiesTheLowerWaveform) {
    ASSERT_EQ(LoadVoices("2\n@001,Piano,15,0,0,0,0,0,0,0,128,1 " + Wave(128) +
                         ";@005,Alt,10,5,3,0,4,2,1,7,-1,2\n"),
              1);
    const TONEENTRY& tone = Tone(5);
    EXPECT_NE(tone.sampleData, Tone(1).sampleData);
    EXPECT_EQ(tone.sampleLength, 128);
    EXPECT_EQ(tone.loopLength, 128);
    EXPECT_EQ(tone.guardLoopLength, 64);  // reads past the guard follow tone 1's loop
    EXPECT_EQ(Bytes(tone.sampleData, 0, 128), Ramp(0, 128));
    EXPECT_EQ(Bytes(tone.sampleData, 128, 192), Ramp(64, 64));  // tone 1's guard samples
    EXPECT_EQ(tone.modMode, 4);
    EXPECT_EQ(tone.tuneCents, 7.0);
    EXPECT_EQ(StageEnds(tone, 15, 16), (Ints{5505, 27555}));
}

TEST_F(VoiceFileTest, AlternateToneErrors) {
    const std::vector<std::string> files = {
        "2\n@001,Self,15,0,0,0,0,0,0,0,-1,1",
        "2\n" + kPiano + "@002,Ahead,15,0,0,0,0,0,0,0,-3,1 @003,Later,15,0,0,0,0,0,0,0,1,0 a;",
        "2\n" + kPiano + "@005,Missing,15,0,0,0,0,0,0,0,-3,1",
    };
    g.bJapanese = 1;  // exists in English only
    for (const std::string& file : files) EXPECT_EQ(LoadVoices(file), 0) << file;
    EXPECT_EQ(Texts(), std::vector<std::u16string>(3, u"Voice.txt altanate table error"));
    EXPECT_EQ(Tone(5).sampleData, nullptr);
    EXPECT_EQ(Tone(1).sampleLength, 64);
}

TEST_F(VoiceFileTest, DrumEntriesAndFallbacks) {
    ASSERT_EQ(LoadVoices("2\n#1 Default,0,3,abc;\n" + kPiano +
                         "#36 Kick,0,5,abc;\n"
                         "#40 Snare,39\n"
                         "#41 Far,5\n"
                         "#39 Clap,0,2 x y;\n"
                         "#88 Beyond,0,2,ab;\n"
                         "#24 Below,0,2,ab;\n"),
              1);
    // A drum sample is followed by one sample of silence.
    EXPECT_EQ(Bytes(Slot(1).sampleData, 0, 4), (Ints{10, 11, 12, 32}));
    EXPECT_EQ(Slot(11).sampleLength, 5);
    EXPECT_EQ(Bytes(Slot(11).sampleData, 0, 6), (Ints{10, 11, 12, 0, 0, 32}));
    EXPECT_EQ(Bytes(Slot(14).sampleData, 0, 3), (Ints{33, 34, 32}));
    EXPECT_EQ(Slot(15).aliasSlot, 14);  // key 40 plays key 39
    EXPECT_EQ(Slot(16).aliasSlot, 1);   // key 5 is no drum key
    for (int slot : {0, 1, 11, 14, 63}) EXPECT_EQ(Slot(slot).aliasSlot, 0) << slot;
    EXPECT_EQ(Slot(63).sampleData, nullptr);
    for (int slot : {2, 10, 12, 62}) EXPECT_EQ(Slot(slot).aliasSlot, 1) << slot;
}

TEST_F(VoiceFileTest, UndefinedTonesAreSilentWithToneOnesTiming) {
    ASSERT_EQ(LoadVoices("2\n@001,Piano,12,3,0,2,11,3,2,-5,64,1 " + Wave(64) + ";"), 1);
    // Attack 3306 / 15 = 220 per stage; 2 steps of 26460 / 2 = 13230, then held.
    EXPECT_EQ(StageEnds(Tone(1), 15, 18), (Ints{3300, 16530, 29760, -1}));
    for (int number : {2, 128}) {
        const TONEENTRY& tone = Tone(number);
        EXPECT_STREQ(tone.name, "");
        EXPECT_EQ(
            (Ints{tone.attackRate, tone.decay1Rate, tone.decay2Rate, tone.decay1Steps, tone.modMode,
                  tone.modSpeed, tone.modDelay, tone.sampleLength, tone.loopLength}),
            (Ints{12, 3, 0, 2, 11, 3, 2, 64, 64}));
        EXPECT_EQ(tone.tuneCents, -5.0);
        EXPECT_EQ(StageEnds(tone, 0, 32), StageEnds(Tone(1), 0, 32));
        EXPECT_EQ(Bytes(tone.sampleData, 0, 128), Repeat(32, 128));
    }
}

TEST_F(VoiceFileTest, MissingToneOneIsRefusedAfterTheDrums) {
    g.bJapanese = 1;
    EXPECT_EQ(LoadVoices("2\n@002,B,15,0,0,0,0,0,0,0,2,0 ab;\n#36 Kick,0,2,ab;"), 0);
    g.bJapanese = 0;
    EXPECT_EQ(LoadVoices("2\n@002,B,15,0,0,0,0,0,0,0,2,0 ab;\n#36 Kick,0,2,ab;"), 0);
    EXPECT_EQ(Texts(),
              (std::vector<std::u16string>{
                  u"音色定義ファイル @001 Piano が未定義です\nTeVoiceSet()呼び出しは失敗しました",
                  u"tone definition file @001 Piano is not defined."}));
    EXPECT_EQ(Slot(11).sampleLength, 2);
    EXPECT_EQ(Slot(2).aliasSlot, 0);
    EXPECT_EQ(Tone(3).sampleData, nullptr);
}

TEST_F(VoiceFileTest, SecondLoadReplacesOnlyWhatItDefines) {
    ASSERT_EQ(LoadVoices("2\n" + kPiano + "@003,Old,15,0,0,0,0,0,0,0,2,0 ab;#36 Kick,0,2,ab;"), 1);
    ASSERT_EQ(LoadVoices("2\n@003,New,15,0,0,0,0,0,0,0,3,0 xyz;@002,Copy,15,0,0,0,0,0,0,0,-1,0\n"
                         "#40 Snare,0,1,z;"),
              1);
    EXPECT_STREQ(Tone(1).name, "Piano");
    EXPECT_EQ(Bytes(Tone(2).sampleData, 0, 64), Ramp(0, 64));
    EXPECT_STREQ(Tone(3).name, "New");
    EXPECT_EQ(Bytes(Tone(3).sampleData, 0, 3), (Ints{33, 34, 35}));
    EXPECT_EQ(Bytes(Tone(4).sampleData, 0, 128), Repeat(32, 128));  // silent since the first load
    EXPECT_EQ(Bytes(Slot(11).sampleData, 0, 2), (Ints{10, 11}));
    EXPECT_EQ(Slot(15).aliasSlot, 0);
    EXPECT_EQ(Slot(15).sampleData[0], 35);
}

TEST_F(VoiceFileTest, EveryCutOfAFileLoadsOrIsRefused) {
    const std::string file = "2\n" + kPiano + "@002,\x81,B,12,3,4,20,11,3,2,-5,70,3 " + Wave(70) +
                             ";@003,Alt,15,0,0,0,0,0,0,0,-2,1\n"
                             "#1 D,0,3,abc;#40 S,39#41 T,0,4 ab// x\n;";
    for (std::size_t length = 0; length <= file.size(); ++length) {
        const std::int32_t result = LoadVoices(file.substr(0, length));
        EXPECT_TRUE(result == 0 || result == 1) << length;
    }
    EXPECT_EQ(LoadVoices(file), 1);
}

}  // namespace
