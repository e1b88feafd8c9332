// Song lists from real users' hands: the handheld's code page in any session, paths that are
// bytes and long, files the player cannot read, names that differ only in case, saves that
// fail. Nothing a user had is lost, and nothing fails without a word.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "platform/codepage.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_flows.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

const std::string kCp932List =
    "##SONGTITLE\r\n\x83\x5C\x83\x93\x83\x4F\r\n\r\n"              // ソング
    "##SONGFILE\r\n187\r\n\\My Documents\\\x8B\xC8\\\xB1.mid\r\n"  // \My Documents\曲\ｱ.mid
    "\x95\x5C\x91\xE8\r\n\r\n";                                    // 表題

class SafetyTest : public SongListTest {
protected:
    void ShowOnly(const std::string& bytes) {
        Write("snglst000.lst", bytes);
        LoadSongListIndex();
        ShowSongList(&view_);
    }
    // Every song-list file may grow to limit bytes only, as on a full disk.
    void LimitFiles(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    void TearDown() override {
        setrlimit(RLIMIT_FSIZE, &old_);
        SongListTest::TearDown();
    }
    rlimit old_ = [] {
        rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        return limit;
    }();
};

// Whatever the session's language, a handheld list reads as CP932, and a save keeps its paths'
// bytes and its titles' characters.
TEST_F(SafetyTest, HandheldListIsReadInEveryLanguageAndSavedWithoutLoss) {
    for (const char* lang : {"C.UTF-8", "en_US.UTF-8", "ja_JP.UTF-8"}) {
        setenv("LANG", lang, 1);
        ShowOnly(kCp932List);
        EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"ソング"}) << lang;
        EXPECT_EQ(Cell(0, kColumnFileName), u"\\My Documents\\曲\\ｱ.mid") << lang;
        EXPECT_EQ(Cell(0, kColumnTitle), u"表題") << lang;
        ASSERT_EQ(SaveSongList(&view_), 1);
        EXPECT_EQ(ReadList("snglst000.lst"),
                  Utf8(u"##SONGTITLE\r\nソング\r\n\r\n##SONGFILE\r\n187\r\n") +
                      "\\My Documents\\\x8B\xC8\\\xB1.mid\r\n" + Utf8(u"表題\r\n\r\n"));
    }
    unsetenv("LANG");
}

// One stray byte that is not UTF-8 leaves the other lines' Japanese as it is.
TEST_F(SafetyTest, AStrayByteSpoilsOnlyItsOwnLine) {
    ShowOnly(Utf8(u"##SONGTITLE\r\n曲集\r\n\r\n##SONGFILE\r\n5\r\n/m/a.mid\r\n夜明け\r\n\r\n") +
             "##SONGFILE\r\n6\r\n/m/b.mid\r\nOld \xE9t\xE9\r\n\r\n");
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst000.lst"),
              Utf8(u"##SONGTITLE\r\n曲集\r\n\r\n##SONGFILE\r\n5\r\n/m/a.mid\r\n夜明け\r\n\r\n"
                   u"##SONGFILE\r\n6\r\n/m/b.mid\r\nOld été\r\n\r\n"));
}

// A file name in Latin-1 and one of 4000 bytes: listed, saved, read back and saved again, each
// path is the same bytes.
TEST_F(SafetyTest, PathsKeepTheirBytesAndTheirLengthThroughReadsAndSaves) {
    const std::string latin1 = "/m/caf\xE9.mid";
    const std::string longPath = "/m/" + std::string(3990, 'x') + ".mid";
    ShowOnly("##SONGTITLE\r\nT\r\n\r\n");
    AppendSongRow(&view_, {5, latin1, u"Café"});
    AppendSongRow(&view_, {6, longPath, u"Long"});
    ASSERT_EQ(SaveSongList(&view_), 1);
    LoadSongListIndex();
    ASSERT_EQ(ShowSongList(&view_), 1);
    EXPECT_EQ(Cell(0, kColumnFileName), u"/m/café.mid");
    EXPECT_EQ(RowPath(&view_, 0), latin1);
    EXPECT_EQ(RowPath(&view_, 1), longPath);
    const std::string saved = ReadList("snglst000.lst");
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst000.lst"), saved);
    EXPECT_NE(saved.find(longPath + "\r\n"), std::string::npos);
}

TEST_F(SafetyTest, ListsWhoseNamesDifferInCaseAreEachReachable) {
    Write("snglst000.lst", "##SONGTITLE\r\nSame\r\n\r\n##SONGFILE\r\n1\r\n/upper.mid\r\nU\r\n");
    Write("snglst001.lst", "##SONGTITLE\r\nsame\r\n\r\n##SONGFILE\r\n2\r\n/lower.mid\r\nL\r\n");
    LoadSongListIndex();
    ASSERT_EQ(Count(songLists), 2);
    std::vector<std::string> shown;
    for (int position = 0; position < 2; ++position) {
        Select(songLists, position);
        ShowSongList(&view_);
        shown.push_back(RowPath(&view_, 0));
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"/lower.mid", "/upper.mid"}));
}

// A file that is no song list (another program's, a damaged one) is named when shown, and no
// edit can write the empty view over it.
TEST_F(SafetyTest, AFileThatHoldsNoListIsNamedAndNeverWrittenOver) {
    const char header[] =
        "\x7F"
        "ELF\x02\x01\x01\0\0\0\x03\0>\0";
    const std::string binary(header, sizeof header - 1);
    for (const std::string& bytes : {binary, std::string("notes of another program\n")}) {
        std::u16string shownMessage, editMessage;
        script_.Then(AnswerMessage(&shownMessage)).Then(AnswerMessage(&editMessage));
        ShowOnly(bytes);
        EXPECT_EQ(RowCount(&view_), 0);
        EXPECT_NE(shownMessage.find(u"could not be read"), std::u16string::npos);
        EXPECT_NE(shownMessage.find(platform::Utf8ToUtf16(folder_ + "snglst000.lst")),
                  std::u16string::npos);
        EXPECT_EQ(SongListEditable(), 0);
        EXPECT_NE(editMessage.find(u"cannot be changed"), std::u16string::npos);
        EXPECT_EQ(SaveSongList(&view_), 0);
        EXPECT_EQ(ReadList("snglst000.lst"), bytes);
    }
}

// Another user's list, or one made unreadable: root reads every file, so the test looks at it
// with another user's rights for as long as the player reads it.
TEST_F(SafetyTest, AListThatCannotBeOpenedIsNeverWrittenOver) {
    Write("snglst000.lst", "##SONGTITLE\r\nMine\r\n\r\n##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n");
    chmod((folder_ + "snglst000.lst").c_str(), 0);
    chmod(root_.c_str(), 0755);
    const bool asRoot = geteuid() == 0;
    std::u16string message;
    script_.Then(AnswerMessage(&message));
    if (asRoot) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    LoadSongListIndex();
    ShowSongList(&view_);
    if (asRoot) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_NE(message.find(u"could not be read"), std::u16string::npos);
    EXPECT_EQ(SongListEditable(), 0);
    EXPECT_EQ(SaveSongList(&view_), 0);
    chmod((folder_ + "snglst000.lst").c_str(), 0600);
    EXPECT_EQ(ReadList("snglst000.lst"),
              "##SONGTITLE\r\nMine\r\n\r\n##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n");
}

// A full disk: the user is told once, the rows keep the change, and the first save that works
// writes it; a list with such a change is not left for another one before it is saved.
TEST_F(SafetyTest, AFailedSaveIsToldOnceAndTheChangeStaysToBeSaved) {
    Write("snglst001.lst", "##SONGTITLE\r\nOther\r\n\r\n");
    ShowOnly("##SONGTITLE\r\nFull\r\n\r\n");
    const int full = Count(songLists) > 0 ? CurrentPosition(songLists) : -1;
    LimitFiles(16);
    std::u16string message;
    script_.Then(AnswerMessage(&message));
    AppendSongRow(&view_, {5, "/a.mid", u"A"});
    EXPECT_EQ(SaveSongList(&view_), 0);
    EXPECT_NE(message.find(u"could not be saved"), std::u16string::npos);
    EXPECT_NE(message.find(u"snglst000.lst"), std::u16string::npos);
    AppendSongRow(&view_, {6, "/b.mid", u"B"});
    EXPECT_EQ(SaveSongList(&view_), 0);  // told already: no second message
    EXPECT_EQ(script_.Unexpected(), 0);
    // Choosing the other list tries the save again and, failing, keeps this one.
    std::u16string again;
    script_.Then(AnswerMessage(&again));
    Select(songLists, 1 - full);
    EXPECT_EQ(ShowSongList(&view_), 0);
    EXPECT_EQ(CurrentPosition(songLists), full);
    EXPECT_EQ(RowCount(&view_), 2);
    EXPECT_NE(again.find(u"could not be saved"), std::u16string::npos);
    // Nor is a new list made to take the view, where added songs would go to the wrong file.
    script_.Then(AnswerMessage(&again));
    EXPECT_EQ(ChangeSongLists(&view_, false,
                              [](SongListChanges& changes, SongRowsView& rows, SongListDialogs&) {
                                  return changes.Add(rows, u"New");
                              }),
              0);
    EXPECT_EQ(Count(songLists), 2);
    EXPECT_EQ(CurrentPosition(songLists), full);
    EXPECT_EQ(RowCount(&view_), 2);
    // With room again, the player's last save before it ends writes both songs.
    setrlimit(RLIMIT_FSIZE, &old_);
    EXPECT_EQ(SaveUnsavedSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst000.lst"),
              "##SONGTITLE\r\nFull\r\n\r\n##SONGFILE\r\n5\r\n/a.mid\r\nA\r\n\r\n"
              "##SONGFILE\r\n6\r\n/b.mid\r\nB\r\n\r\n");
    EXPECT_EQ(SaveUnsavedSongList(&view_), 1);
}

}  // namespace
