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

std::u16string Lines(const std::vector<SongListSong>& songs) {
    std::u16string lines;
    for (const SongListSong& song : songs) {
        const std::string seconds = std::to_string(song.seconds);
        lines += std::u16string(seconds.begin(), seconds.end()) + u"|" + song.path + u"|" +
                 song.title + u";";
    }
    return lines;
}

TEST(SongListTextTest, WrittenTitleThenOneBlockPerSongWithCrLfLines) {
    EXPECT_EQ(WriteListText(u"My List", {{187, u"/music/a.mid", u"Alpha"}, {5, u"/b.mid", u""}}),
              u"##SONGTITLE\r\nMy List\r\n\r\n"
              u"##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n"
              u"##SONGFILE\r\n5\r\n/b.mid\r\n\r\n\r\n");
    EXPECT_EQ(WriteListText(u"Empty", {}), u"##SONGTITLE\r\nEmpty\r\n\r\n");
}

TEST(SongListTextTest, ReaderTakesBlocksWithoutEmptyLinesAndLineFeedsAlone) {
    EXPECT_EQ(Lines(ReadListSongs(u"##SONGTITLE\r\nT\r\n##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n"
                                  u"##SONGFILE\r\n2\r\n/b.mid\r\nB\r\n")),
              u"1|/a.mid|A;2|/b.mid|B;");
    const std::u16string lineFeeds = u"##SONGTITLE\nT\n\n##SONGFILE\n187\n/a.mid\nA\n\n";
    EXPECT_EQ(TitleOf(lineFeeds), u"T");
    EXPECT_EQ(Lines(ReadListSongs(lineFeeds)), u"187|/a.mid|A;");
}

TEST(SongListTextTest, ReaderFindsMarkersAnywhereAndPassesOverOtherText) {
    const std::u16string text =
        u"by hand\r\nxx##SONGTITLE\r\nT\r\nnote\r\n##SONGTITLE\r\nSecond\r\n"
        u"junk ##SONGFILE\r\n3\r\n/c.mid\r\nC\r\nmore junk\r\n##SONGFILEX\r\n9\r\n";
    EXPECT_EQ(TitleOf(text), u"T");
    EXPECT_EQ(Lines(ReadListSongs(text)), u"3|/c.mid|C;");
    EXPECT_EQ(TitleOf(u"##SONGFILE\r\n1\r\n/a\r\nA\r\n"), u"(none)");
    // Seconds are the leading digits of their line.
    EXPECT_EQ(Lines(ReadListSongs(u"##SONGFILE\r\n12abc\r\n/a\r\n\r\n##SONGFILE\r\nx\r\n/b\r\n")),
              u"12|/a|;0|/b|;");
}

TEST(SongListTextTest, TheLastLineEndsAtTheEndOfTheText) {
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\nCut short"), u"Cut short");
    EXPECT_EQ(Lines(ReadListSongs(u"##SONGFILE\r\n65\r\n/a.mid\r\nTitle")), u"65|/a.mid|Title;");
    EXPECT_EQ(Lines(ReadListSongs(u"##SONGFILE\r\n65")), u"65||;");
}

TEST(SongListTextTest, TitlesAndLinesAreCutNeverInsideAPair) {
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\n" + std::u16string(200, u'x')), std::u16string(127, u'x'));
    // 126 characters and U+1F600: the pair would straddle the cut at 127 and is left out.
    EXPECT_EQ(TitleOf(u"##SONGTITLE\r\n" + std::u16string(126, u'a') + u"\U0001F600"),
              std::u16string(126, u'a'));
    const std::u16string longPath(300, u'p');
    EXPECT_EQ(Lines(ReadListSongs(u"##SONGFILE\r\n7\r\n" + longPath + u"\r\nAfter\r\n")),
              u"7|" + longPath.substr(0, 255) + u"|After;");
}

TEST(SongListTextTest, TimeTextIsMinutesUpToTheColonSecondsAfterIt) {
    EXPECT_EQ(TimeTextSeconds(u"03:07"), 187u);
    EXPECT_EQ(TimeTextSeconds(u"100:05"), 6005u);
    EXPECT_EQ(TimeTextSeconds(u"1:5"), 65u);
    EXPECT_EQ(TimeTextSeconds(u""), 0u);
    for (std::uint32_t seconds : {0u, 59u, 60u, 3599u, 6005u, 359999u}) {
        EXPECT_EQ(TimeTextSeconds(FormatPlayTime(seconds)), seconds) << seconds;
    }
}

}  // namespace
