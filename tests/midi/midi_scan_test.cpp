// The pre-scan: title and play time of prepared files.
#include "midi/midi_scan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/midi/smf_test_support.h"

namespace {

using smf::Bytes;
using smf::Track;

// Sets LC_ALL for one test and restores it.
class LanguageScope {
public:
    explicit LanguageScope(const char* locale) {
        const char* old = std::getenv("LC_ALL");
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        setenv("LC_ALL", locale, 1);
    }
    ~LanguageScope() {
        if (hadOld_) {
            setenv("LC_ALL", old_.c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }

private:
    bool hadOld_;
    std::string old_;
};

class ScanTest : public smftest::SmfTest {
protected:
    std::uint32_t Scan(const Bytes& file) {
        title_[0] = u'?';
        title_[1] = u'\0';
        return ScanMidiFile(WriteFile("scan" + std::to_string(++count_) + ".mid", file), title_);
    }
    std::u16string Title() const { return title_; }
    // The title of a format-0 file holding these name events.
    std::u16string TitleOf(const Track& names) {
        Scan(smf::File(0, 96, {Track(names).End()}));
        return Title();
    }
    char16_t title_[kTitleCapacity] = {};
    int count_ = 0;
};

TEST_F(ScanTest, TrailingSpacesAreRemovedFromTitlesOfTwoOrMore) {
    EXPECT_EQ(TitleOf(Track().Name(0, "Song   ")), u"Song");
    EXPECT_EQ(TitleOf(Track().Name(0, "   ")), u"");
    EXPECT_EQ(TitleOf(Track().Name(0, " ")), u" ");
    EXPECT_EQ(TitleOf(Track().Name(0, " a ")), u" a");
}

TEST_F(ScanTest, TitleIsTheFirstNameInTimeOrder) {
    EXPECT_EQ(TitleOf(Track().Name(0, "").Name(0, "Second")), u"Second");
    EXPECT_EQ(TitleOf(Track().Event(0, {0xFF, 0x01, 0x04, 'T', 'e', 'x', 't'}).Name(0, "Name")),
              u"Name");
    EXPECT_EQ(TitleOf(Track()), u"");

    const Track conductor = Track().Name(10, "Late").End();
    const Track piano = Track().Name(0, "Piano").End();
    const Track drums = Track().Name(0, "Drums").End();
    Scan(smf::File(1, 96, {conductor, piano, drums}));
    EXPECT_EQ(Title(), u"Piano");
}

TEST_F(ScanTest, TitleBytesAreUtf8OrTheSystemCodePage) {
    {
        LanguageScope english("C");
        EXPECT_EQ(TitleOf(Track().Name(0, "Caf\xC3\xA9")), u"Café");
        EXPECT_EQ(TitleOf(Track().Name(0, "Caf\xE9")), u"Café");
    }
    LanguageScope japanese("ja_JP.UTF-8");
    EXPECT_EQ(TitleOf(Track().Name(0, "\x83\x65\x83\x58\x83\x67")), u"テスト");
}

TEST_F(ScanTest, TitleKeeps255UnitsAndNoHalfCharacter) {
    EXPECT_EQ(TitleOf(Track().Name(0, std::string(300, 'a').c_str())), std::u16string(255, u'a'));
    const std::string straddling = std::string(254, 'b') + "\xF0\x9F\x98\x80";  // a surrogate pair
    EXPECT_EQ(TitleOf(Track().Name(0, straddling.c_str())), std::u16string(254, u'b'));
}

TEST_F(ScanTest, FailureLeavesTheTitleAlone) {
    title_[0] = u'x';
    title_[1] = u'\0';
    EXPECT_EQ(ScanMidiFile(directory_ + "/missing.mid", title_), 0u);
    EXPECT_EQ(Title(), u"x");
    EXPECT_EQ(Scan(smf::File(2, 96, {Track().Name(0, "Two").End(96)})), 0u);
    EXPECT_EQ(Title(), u"?");
    EXPECT_TRUE(smftest::ShownBoxes().empty());
}

TEST_F(ScanTest, DefaultTempoCountsWholeMicrosecondsPerTick) {
    // 500000 / 96 = 5208 us per tick: 192 ticks are 999936 us. The first delta does not count.
    const Track notes = Track().Event(48, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End(96);
    EXPECT_EQ(Scan(smf::File(0, 96, {notes})), 999u);
    EXPECT_EQ(Scan(smf::File(1, 96, {notes})), 999u);
    EXPECT_EQ(Scan(smf::File(1, 96, {})), 0u);
    EXPECT_EQ(Title(), u"");
}

TEST_F(ScanTest, TempoChangesApplyToTheTicksAfterThem) {
    // 96 ticks at 1000000 / 96 = 10416 us, then 96 at 250000 / 96 = 2604 us.
    const Track track =
        Track().Tempo(0, 1000000).Event(96, {0x90, 60, 100}).Tempo(0, 250000).End(96);
    EXPECT_EQ(Scan(smf::File(0, 96, {track})), (96u * 10416 + 96 * 2604) / 1000);
}

TEST_F(ScanTest, TempoFollowsTheSequencersLimits) {
    // Division 1: one tick is the whole tempo, 1000 ticks give the tempo in milliseconds.
    const auto scanAt = [this](Track tempo) { return Scan(smf::File(0, 1, {tempo.End(1000)})); };
    EXPECT_EQ(scanAt(Track().Tempo(0, 3000000)), 1935483u);  // 20 per minute: raised to 31
    EXPECT_EQ(scanAt(Track().Tempo(0, 1935484)), 1935483u);  // 60000000 / t = 30
    EXPECT_EQ(scanAt(Track().Tempo(0, 1935482)), 1935482u);
    EXPECT_EQ(scanAt(Track().Tempo(0, 0)), 500000u);  // ignored
    EXPECT_EQ(scanAt(Track().Event(0, {0xFF, 0x51, 0x02, 0x07, 0xA1})), 500000u);
}

TEST_F(ScanTest, SongsLongerThan71MinutesKeepTheirLength) {
    // 2500 x 1935483 us = 4838707500 us, more than 2^32.
    EXPECT_EQ(Scan(smf::File(0, 1, {Track().Tempo(0, 1935483).End(2500)})), 4838707u);
}

TEST_F(ScanTest, ImageEndEndsTheScan) {
    Bytes file = smf::File(0, 96, {Track().Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0})});
    EXPECT_EQ(Scan(file), 499u);
    file.pop_back();  // the last event is cut off; its delta-time still counts
    EXPECT_EQ(Scan(file), 499u);
}

// The time shown is the time that plays: the sequencer stops at the end-of-track, so nothing
// behind it counts, although a reader that took one more delta-time would add what follows.
TEST_F(ScanTest, NothingBehindTheEndOfTrackCounts) {
    // 96 ticks of 5208 us: 499 ms.
    const Track first = Track().Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End();
    const Track second = Track().Event(0, {0x90, 62, 100}).Event(960, {0x80, 62, 0}).End();
    // A second chunk in a format-0 file: its "M" would read as a delta of 77 ticks.
    EXPECT_EQ(Scan(smf::FileDeclaring(0, 96, 1, {first, second})), 499u);
    // One stray byte behind the end-of-track, inside the chunk: 64 ticks more if it counted.
    EXPECT_EQ(Scan(smf::File(0, 96, {Track(first).Raw({0x40})})), 499u);
}

TEST_F(ScanTest, WrappedFormat0IsScannedFromItsHeaderChunk) {
    const Bytes song = smf::File(0, 96, {Track().Name(0, "Wrapped").End(96)});
    const Bytes riff = {'R',
                        'I',
                        'F',
                        'F',
                        0,
                        0,
                        0,
                        0,
                        'R',
                        'M',
                        'I',
                        'D',
                        'd',
                        'a',
                        't',
                        'a',
                        static_cast<std::uint8_t>(song.size()),
                        0,
                        0,
                        0};
    EXPECT_EQ(Scan(smftest::Concat({riff, song})), 499u);
    EXPECT_EQ(Title(), u"Wrapped");
}

}  // namespace
