// The text of a song-list file: what the player writes, byte for byte, and the lenient reading
// of what the handheld, the player or an editor may have left in a file.
#include "player/model/song_list_text.h"

#include <gtest/gtest.h>

#include "midi/play_time.h"
#include "platform/codepage.h"
#include "tests/platform/env_guard.h"

namespace {

std::u16string TitleOf(std::string_view bytes) {
    std::u16string title = u"(none)";
    ReadListTitle(bytes, &title);
    return title;
}

// Each song as "seconds|path|title;", the path's bytes and the title in UTF-8.
std::string Lines(const std::vector<SongListSong>& songs) {
    std::string lines;
    for (const SongListSong& song : songs) {
        lines += std::to_string(song.seconds) + "|" + song.path + "|" +
                 platform::Utf16ToUtf8(song.title) + ";";
    }
    return lines;
}

TEST(SongListTextTest, WrittenTitleThenOneBlockPerSongWithCrLfLines) {
    EXPECT_EQ(WriteListText(u"My List", {{187, "/music/a.mid", u"Alpha"}, {5, "/b.mid", u""}}),
              "##SONGTITLE\r\nMy List\r\n\r\n"
              "##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n"
              "##SONGFILE\r\n5\r\n/b.mid\r\n\r\n\r\n");
    EXPECT_EQ(WriteListText(u"Empty", {}), "##SONGTITLE\r\nEmpty\r\n\r\n");
}

TEST(SongListTextTest, LinesEndInCrLfLfOrCrAlike) {
    EXPECT_EQ(Lines(ReadListSongs("##SONGTITLE\r\nT\r\n##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n"
                                  "##SONGFILE\r\n2\r\n/b.mid\r\nB\r\n")),
              "1|/a.mid|A;2|/b.mid|B;");
    for (const char* end : {"\n", "\r"}) {
        std::string text = "##SONGTITLE|T||##SONGFILE|187|/a.mid|A||##SONGFILE|5|/b.mid|B|";
        for (char& c : text) {
            if (c == '|') c = end[0];
        }
        EXPECT_EQ(TitleOf(text), u"T");
        EXPECT_EQ(Lines(ReadListSongs(text)), "187|/a.mid|A;5|/b.mid|B;");
        EXPECT_TRUE(HoldsSongList(text));
    }
}

TEST(SongListTextTest, ReaderFindsMarkersAnywhereAndPassesOverOtherText) {
    const std::string text =
        "by hand\r\nxx##SONGTITLE\r\nT\r\nnote\r\n##SONGTITLE\r\nSecond\r\n"
        "junk ##SONGFILE\r\n3\r\n/c.mid\r\nC\r\nmore junk\r\n##SONGFILEX\r\n9\r\n";
    EXPECT_EQ(TitleOf(text), u"T");
    EXPECT_EQ(Lines(ReadListSongs(text)), "3|/c.mid|C;");
    EXPECT_EQ(TitleOf("##SONGFILE\r\n1\r\n/a\r\nA\r\n"), u"(none)");
    // Seconds are the leading digits of their line.
    EXPECT_EQ(Lines(ReadListSongs("##SONGFILE\r\n12abc\r\n/a\r\n\r\n##SONGFILE\r\nx\r\n/b\r\n")),
              "12|/a|;0|/b|;");
    EXPECT_EQ(Lines(ReadListSongs("##SONGFILE\r\n65\r\n/a.mid\r\nTitle")), "65|/a.mid|Title;");
    EXPECT_EQ(Lines(ReadListSongs("##SONGFILE\r\n65")), "65||;");
}

// A handheld list is CP932, an editor's may be UTF-8 or CP1252, and one list may mix them: the
// bytes of each line decide, whatever the language; a path is never decoded.
TEST(SongListTextTest, EachLineIsDecodedByItsOwnBytesAndPathsStayBytes) {
    const std::string text =
        "##SONGTITLE\r\n\x83\x65\x83\x58\x83\x67\r\n\r\n"                      // テスト in CP932
        "##SONGFILE\r\n1\r\n\\My Documents\\\x8B\xC8.mid\r\n\x8B\xC8\r\n\r\n"  // 曲
        "##SONGFILE\r\n2\r\n/m/caf\xE9.mid\r\ncaf\xE9 \x81\r\n\r\n"        // CP1252, 0x81 undefined
        "##SONGFILE\r\n3\r\n/m/\xE6\x9B\xB2.mid\r\n\xE6\x9B\xB2\r\n\r\n";  // 曲 in UTF-8
    for (const char* lang : {"C.UTF-8", "en_US.UTF-8", "ja_JP.UTF-8"}) {
        platform::LocaleEnvironment env(nullptr, nullptr, lang);
        EXPECT_EQ(TitleOf(text), u"テスト") << lang;
        const std::vector<SongListSong> songs = ReadListSongs(text);
        ASSERT_EQ(songs.size(), 3u) << lang;
        EXPECT_EQ(songs[0].path, "\\My Documents\\\x8B\xC8.mid");
        EXPECT_EQ(songs[0].title, u"曲");
        EXPECT_EQ(songs[1].path, "/m/caf\xE9.mid");
        EXPECT_EQ(songs[1].title, u"café \u0081");
        EXPECT_EQ(songs[2].title, u"曲");
        // Written again, every path keeps its bytes and every title its characters.
        std::u16string title;
        ReadListTitle(text, &title);
        const std::string again = WriteListText(title, songs);
        EXPECT_EQ(TitleOf(again), u"テスト");
        EXPECT_EQ(Lines(ReadListSongs(again)), Lines(songs));
        EXPECT_EQ(again.find("\xEF\xBF\xBD"), std::string::npos) << "a replacement character";
    }
}

TEST(SongListTextTest, PathsAreNeverCutTitlesAtTheirRoomNeverInsideAPair) {
    EXPECT_EQ(TitleOf("##SONGTITLE\r\n" + std::string(200, 'x')), std::u16string(127, u'x'));
    // 126 characters and U+1F600: the pair would straddle the cut at 127 and is left out.
    EXPECT_EQ(TitleOf("##SONGTITLE\r\n" + std::string(126, 'a') + "\xF0\x9F\x98\x80"),
              std::u16string(126, u'a'));
    const std::string longPath = "/" + std::string(4094, 'p');
    const std::vector<SongListSong> songs =
        ReadListSongs("##SONGFILE\r\n7\r\n" + longPath + "\r\n" + std::string(300, 't') + "\r\n");
    ASSERT_EQ(songs.size(), 1u);
    EXPECT_EQ(songs[0].path, longPath);
    EXPECT_EQ(songs[0].title, std::u16string(255, u't'));
}

// A title holds no line break, so nothing in it can be read back as a marker or a song; a list
// may be called by a marker's name and keep its songs.
TEST(SongListTextTest, NoTitleCanBreakItsLineOrBeReadAsAMarker) {
    const std::u16string injected =
        u"Innocent\r\n\r\n##SONGFILE\r\n9\r\n/etc/passwd\r\nInjected row";
    const std::string text = WriteListText(u"##SONGFILE", {{5, "/a.mid", injected},
                                                           {6, "/b.mid", u"Line one\nline\ttwo"},
                                                           {7, "/c.mid", u"##SONGTITLE"}});
    EXPECT_EQ(TitleOf(text), u"##SONGFILE");
    EXPECT_EQ(Lines(ReadListSongs(text)),
              "5|/a.mid|Innocent    ##SONGFILE  9  /etc/passwd  Injected row;"
              "6|/b.mid|Line one line two;7|/c.mid|##SONGTITLE;");
    EXPECT_EQ(ListTitleText(u"a\x01\x1F\x7F"
                            u"b"),
              u"a   b");
    EXPECT_TRUE(PathFitsList("/music/odd name.mid"));
    EXPECT_FALSE(PathFitsList("/music/two\nlines.mid"));
    EXPECT_FALSE(PathFitsList("/music/cr\r.mid"));
}

TEST(SongListTextTest, WhatIsNoSongListIsToldApart) {
    EXPECT_TRUE(HoldsSongList(""));
    EXPECT_TRUE(HoldsSongList("\r\n \r\n"));
    EXPECT_TRUE(HoldsSongList("##SONGTITLE\r\nEmpty\r\n\r\n"));
    EXPECT_TRUE(HoldsSongList("##SONGTITLE\r\n"));
    EXPECT_TRUE(HoldsSongList("junk\r\n##SONGFILE\r\n1\r\n/a.mid\r\n\r\n"));
    EXPECT_FALSE(
        HoldsSongList(std::string("\x7F"
                                  "ELF\x02\x01\x01\0\0\0",
                                  10)));
    EXPECT_FALSE(HoldsSongList("some notes\r\nof another program\r\n"));
    EXPECT_FALSE(HoldsSongList("##SONGTITLE\r\nT\r\n\r\nstray text\r\n"));
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
