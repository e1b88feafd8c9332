// The text of a song-list file: what the player writes, character for character, and the
// lenient reading of what the handheld, the player or an editor may have left in a file.
#include "player/data/song_list_text.h"

#include <gtest/gtest.h>

#include "player/data/play_time.h"

namespace {

std::u16string TitleOf(std::u16string_view text) {
    std::u16string title = u"(none)";
    ReadListTitle(text, &title);
    return title;
}

void ExpectSong(const SongListSong& song, std::uint32_t seconds, std::u16string_view path,
                std::u16string_view title) {
    EXPECT_EQ(song.seconds, seconds);
    EXPECT_EQ(song.path, path);
    EXPECT_EQ(song.title, title);
}

TEST(SongListWriteTest, TitleThenOneBlockPerSongWithCrLfLines) {
    const std::vector<SongListSong> songs = {{187, u"/music/a.mid", u"Alpha"},
                                             {5, u"/music/b.mid", u""}};
    EXPECT_EQ(WriteListText(u"My List", songs),
              u"##SONGTITLE\r\nMy List\r\n\r\n"
              u"##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n"
              u"##SONGFILE\r\n5\r\n/music/b.mid\r\n\r\n\r\n");
}

TEST(SongListWriteTest, ListWithoutSongsIsItsFirstThreeLines) {
    EXPECT_EQ(WriteListText(u"Empty", {}), u"##SONGTITLE\r\nEmpty\r\n\r\n");
}

TEST(SongListReadTest, ReadsWhatThePlayerWrites) {
    const std::u16string text = WriteListText(u"Mix", {{6005, u"/m/long.mid", u"Long"},
                                                       {0, u"/m/x.mid", u""}});
    EXPECT_EQ(TitleOf(text), u"Mix");
    const std::vector<SongListSong> songs = ReadListSongs(text);
    ASSERT_EQ(songs.size(), 2u);
    ExpectSong(songs[0], 6005, u"/m/long.mid", u"Long");
    ExpectSong(songs[1], 0, u"/m/x.mid", u"");
}

TEST(SongListReadTest, BlocksWithoutEmptyLinesBetweenThemAllLoad) {
    const std::u16string text =
        u"##SONGTITLE\r\nT\r\n##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n##SONGFILE\r\n2\r\n/b.mid\r\nB\r\n";
    const std::vector<SongListSong> songs = ReadListSongs(text);
    ASSERT_EQ(songs.size(), 2u);
    ExpectSong(songs[0], 1, u"/a.mid", u"A");
    ExpectSong(songs[1], 2, u"/b.mid", u"B");
}

TEST(SongListReadTest, LineFeedsAloneReadLikeCrLf) {
    const std::u16string text = u"##SONGTITLE\nT\n\n##SONGFILE\n187\n/a.mid\nA\n\n";
    EXPECT_EQ(TitleOf(text), u"T");
    const std::vector<SongListSong> songs = ReadListSongs(text);
    ASSERT_EQ(songs.size(), 1u);
    ExpectSong(songs[0], 187, u"/a.mid", u"A");
}

TEST(SongListReadTest, MarkersCountAnywhereAndOtherTextIsPassedOver) {
    const std::u16string text =
        u"written by hand\r\nxx##SONGTITLE\r\nT\r\nnote\r\n##SONGTITLE\r\nSecond\r\n"
        u"junk ##SONGFILE\r\n3\r\n/c.mid\r\nC\r\nmore junk\r\n##SONGFILEX\r\n9\r\n";
    EXPECT_EQ(TitleOf(text), u"T");
    const std::vector<SongListSong> songs = ReadListSongs(text);
    ASSERT_EQ(songs.size(), 1u);
    ExpectSong(songs[0], 3, u"/c.mid", u"C");
}

TEST(SongListReadTest, TextWithoutTitleMarkerHasNoTitle) {
    std::u16string title = u"unchanged";
    EXPECT_FALSE(ReadListTitle(u"##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n", &title));
    EXPECT_FALSE(ReadListTitle(u"##SONGTITLEX\r\nT\r\n", &title));
    EXPECT_EQ(title, u"unchanged");
}

TEST(SongListReadTest, LastLineWithoutLineEndEndsAtTheEndOfTheText) {
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\nCut short"), u"Cut short");
    EXPECT_EQ(TitleOf(u"##SONGTITLE"), u"");
    std::vector<SongListSong> songs = ReadListSongs(u"##SONGFILE\r\n65\r\n/a.mid\r\nTitle");
    ASSERT_EQ(songs.size(), 1u);
    ExpectSong(songs[0], 65, u"/a.mid", u"Title");
    songs = ReadListSongs(u"##SONGFILE\r\n65");
    ASSERT_EQ(songs.size(), 1u);
    ExpectSong(songs[0], 65, u"", u"");
}

TEST(SongListReadTest, TitleIsCutAt127CharactersNeverInsideAPair) {
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\n" + std::u16string(200, u'x') + u"\r\n"),
              std::u16string(127, u'x'));
    // 126 characters and a pair (U+1F600): the pair would straddle the cut and is left out.
    const std::u16string pair = u"\U0001F600";
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\n" + std::u16string(126, u'a') + pair + u"\r\n"),
              std::u16string(126, u'a'));
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\n" + std::u16string(125, u'a') + pair + u"z\r\n"),
              std::u16string(125, u'a') + pair);
}

TEST(SongListReadTest, LinesAreCutAt255CharactersAndTheNextLinesStillRead) {
    const std::u16string longPath = u"/" + std::u16string(299, u'p');
    const std::vector<SongListSong> songs =
        ReadListSongs(u"##SONGFILE\r\n7\r\n" + longPath + u"\r\nAfter\r\n##SONGFILE\r\n8\r\n/b\r\nB\r\n");
    ASSERT_EQ(songs.size(), 2u);
    ExpectSong(songs[0], 7, longPath.substr(0, 255), u"After");
    ExpectSong(songs[1], 8, u"/b", u"B");
}

TEST(SongListReadTest, SecondsAreTheLeadingDigitsOfTheirLine) {
    const auto secondsOf = [](std::u16string_view line) {
        return ReadListSongs(u"##SONGFILE\r\n" + std::u16string(line) + u"\r\n/a\r\nA\r\n")[0].seconds;
    };
    EXPECT_EQ(secondsOf(u"187"), 187u);
    EXPECT_EQ(secondsOf(u"  42"), 42u);
    EXPECT_EQ(secondsOf(u"12abc"), 12u);
    EXPECT_EQ(secondsOf(u"abc"), 0u);
    EXPECT_EQ(secondsOf(u""), 0u);
    EXPECT_EQ(secondsOf(u"99999999999"), 2147483647u);
}

TEST(TimeTextTest, MinutesUpToTheColonSecondsAfterIt) {
    EXPECT_EQ(TimeTextSeconds(u"03:07"), 187u);
    EXPECT_EQ(TimeTextSeconds(u"100:05"), 6005u);
    EXPECT_EQ(TimeTextSeconds(u"00:00"), 0u);
    EXPECT_EQ(TimeTextSeconds(u"59:59"), 3599u);
    EXPECT_EQ(TimeTextSeconds(u"1:5"), 65u);
    EXPECT_EQ(TimeTextSeconds(u"7"), 420u);
    EXPECT_EQ(TimeTextSeconds(u""), 0u);
}

TEST(TimeTextTest, EveryPlayTimeTextReadsBackAsItsSeconds) {
    for (std::uint32_t seconds : {0u, 59u, 60u, 187u, 3599u, 3600u, 6005u, 359999u, 1000000u}) {
        EXPECT_EQ(TimeTextSeconds(FormatPlayTime(seconds)), seconds) << seconds;
    }
}

}  // namespace
