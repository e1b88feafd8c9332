// Adding files to the song lists without a window: which files become rows and which are named
// in the one message, that nothing is read for a list that may not change, and where files
// opened from the desktop go. The files are real, in the test's data folder; the scan runs on
// the test's thread.
#include "player/model/song_adding.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/codepage.h"
#include "player/model/opened_songs.h"
#include "tests/player/model/fake_play.h"
#include "tests/player/model/song_list_fixture.h"
#include "tests/support/smf_builder.h"

namespace {

// The rows of the fake screen, as the song lists see them: one view behind both.
class ScreenRows final : public SongRowsView {
public:
    explicit ScreenRows(FakeScreen& screen) : screen_(screen) {}
    const SongRows& Rows() const override { return screen_.rows; }
    void Show(const std::vector<SongListSong>& songs) override { screen_.rows.Assign(songs); }
    void Append(const std::vector<SongListSong>& songs) override { screen_.rows.Append(songs); }

private:
    FakeScreen& screen_;
};

class SongAddingTest : public SongListIndexTest {
protected:
    void SetUp() override {
        SongListIndexTest::SetUp();
        g_player = PlayerState{};
    }
    void TearDown() override {
        g_player = PlayerState{};
        SongListIndexTest::TearDown();
    }

    // A song called name that plays for a few seconds.
    std::string Song(const std::string& name) {
        smf::Track track;
        track.Name(0, name.c_str()).Event(0, {0x90, 60, 100}).Event(960, {0x80, 60, 0}).End(0);
        return File(name + ".mid", smf::File(0, 96, {track}));
    }
    std::string File(const std::string& name, const smf::Bytes& bytes) {
        Write(name, std::string(bytes.begin(), bytes.end()));
        return folder_ + name;
    }
    // The lists of the data folder, the first one shown in the screen's rows.
    void LoadLists() {
        ShowIn(lists_, &box_, AsciiOrder);
        index_.Load(root_);
        index_.Show(rows_);
    }
    std::vector<std::u16string> Titles() const {
        std::vector<std::u16string> titles;
        for (int row = 0; row < screen_.rows.Count(); ++row)
            titles.push_back(screen_.rows.Row(row).title);
        return titles;
    }

    std::vector<std::string> log_;
    FakeScreen screen_{log_};
    FakeLibrary library_{log_};
    PlayContext play_{screen_, screen_, library_};
    ScreenRows rows_{screen_};
    ScriptedDialogs dialogs_;
    SongListChanges changes_{index_, dialogs_, false};
    int scans_ = 0;  // files the runner was asked to scan
    SongAdding adding_{index_,
                       changes_,
                       rows_,
                       dialogs_,
                       [this](std::size_t count, const std::function<void(std::size_t)>& one) {
                           for (std::size_t i = 0; i < count; ++i, ++scans_) one(i);
                       },
                       false};
};

TEST_F(SongAddingTest, WhatPlaysIsAppendedAndSavableAndTheRestIsNamedInOneMessage) {
    Write("snglst000.lst", "##SONGTITLE\r\nRock\r\n\r\n");
    LoadLists();
    const std::string song = Song("Rain"), text = File("notes.txt", {'h', 'i'});
    const std::string silent = File("silent.mid", smf::File(0, 96, {smf::Track().End(0)}));
    const std::string broken = folder_ + "line\nbreak.mid";
    const std::string missing = folder_ + "gone.mid";
    EXPECT_EQ(AddMidiPaths(adding_, {text, song, silent, broken, missing}), 1);
    EXPECT_EQ(scans_, 5);
    EXPECT_EQ(Titles(), std::vector<std::u16string>{u"Rain"});
    ASSERT_EQ(dialogs_.told.size(), 1u);
    EXPECT_EQ(dialogs_.told[0],
              u"These files cannot be played and were not added:\n" +
                  platform::Utf8ToUtf16(text + "\n" + silent + "\n" + broken + "\n" + missing));
    // Nothing that plays: the rows stay, and the caller saves nothing.
    EXPECT_EQ(AddMidiPaths(adding_, {missing}), 0);
    EXPECT_EQ(screen_.rows.Count(), 1);
}

TEST_F(SongAddingTest, AListWhoseFileWasRefusedTakesNoFileAndReadsNone) {
    Write("snglst000.lst", "not a list at all");
    LoadLists();
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(AddMidiPaths(adding_, {Song("Rain")}), 0);
    EXPECT_EQ(scans_, 0);
    EXPECT_EQ(told_.size(), 2u);  // the list's own message again
    EXPECT_EQ(Read("snglst000.lst"), "not a list at all");
}

TEST_F(SongAddingTest, ANewListIsNamedFirstAndEmptiedAndACancelReadsNothing) {
    Write("snglst000.lst", WriteListText(u"Rock", {{2, Song("Old"), u"Old"}}));
    LoadLists();
    const FolderEntry rain{u"Rain.mid", "Rain.mid", folder_, false, 0};
    const FolderEntry sub{u"sub", "sub", folder_, true, 0};
    Song("Rain");
    EXPECT_EQ(AddMidiFiles(adding_, {&rain}, true), 0);  // no name given
    EXPECT_EQ(scans_, 0);
    dialogs_.names = {u"Jazz"};
    EXPECT_EQ(AddMidiFiles(adding_, {&sub, &rain}, true), 1);  // the folder is passed over
    EXPECT_EQ(scans_, 1);
    EXPECT_EQ(Titles(), std::vector<std::u16string>{u"Rain"});
    EXPECT_EQ(index_.Current()->title, std::u16string(u"Jazz"));
    // Only folders: nothing to add, nothing failed.
    EXPECT_EQ(AddMidiFiles(adding_, {&sub}, false), 1);
    EXPECT_EQ(AddMidiFiles(adding_, {}, false), 0);
    EXPECT_EQ(dialogs_.told.back(), u"File is not chosen.\nPlease choose one or more files.");
}

TEST_F(SongAddingTest, TheMessageNamesTenFilesAndCountsTheRestInEitherLanguage) {
    std::vector<std::string> failed;
    for (int i = 0; i < 12; ++i) failed.push_back("/f" + std::to_string(i));
    const std::u16string english = FailedFilesMessage(failed, false);
    EXPECT_NE(english.find(u"\n/f9\nand 2 more"), std::u16string::npos);
    EXPECT_EQ(english.find(u"/f10"), std::u16string::npos);
    const std::u16string japanese = FailedFilesMessage(failed, true);
    EXPECT_EQ(japanese.find(u"次のファイルは再生できないため追加しませんでした:\n/f0"), 0u);
    EXPECT_NE(japanese.find(u"\n/f9\nほか 2 個"), std::u16string::npos);
}

TEST_F(SongAddingTest, OpenedFilesGoToTheirListInAnyCaseOnceEachAndTheFirstPlays) {
    const std::string rain = Song("Rain");
    Write("snglst000.lst", "##SONGTITLE\r\nRock\r\n\r\n");
    Write("snglst001.lst", WriteListText(u"OPENED FILES", {{2, rain, u"Rain"}}));
    LoadLists();
    const std::string link = folder_ + "link.mid";
    ASSERT_EQ(symlink(rain.c_str(), link.c_str()), 0);
    const std::string snow = Song("Snow");
    OpenSongFiles(adding_, play_, {snow, link, folder_ + "gone.mid"});
    EXPECT_EQ(index_.Current()->title, std::u16string(u"OPENED FILES"));
    EXPECT_EQ(Count(lists_), 2);
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"Rain", u"Snow"}));  // the link is Rain
    EXPECT_NE(Read("snglst001.lst").find(snow), std::string::npos);
    EXPECT_EQ(screen_.focused, 1);
    EXPECT_EQ(screen_.selected, std::set<int>{1});
    EXPECT_EQ(screen_.shown, 1);
    EXPECT_EQ(g_player.currentSong, 1);
    ASSERT_EQ(dialogs_.told.size(), 1u);
    EXPECT_NE(dialogs_.told[0].find(u"gone.mid"), std::u16string::npos);
    EXPECT_EQ(log_.back(), "play");
}

TEST_F(SongAddingTest, OpenedFilesMakeTheirListWhenMissingAndNoneIsMadeForFilesThatFail) {
    Write("snglst000.lst", "##SONGTITLE\r\nRock\r\n\r\n");
    LoadLists();
    OpenSongFiles(adding_, play_, {folder_ + "gone.mid"});
    EXPECT_EQ(Count(lists_), 1);
    EXPECT_EQ(dialogs_.told.size(), 1u);
    OpenSongFiles(adding_, play_, {Song("Rain")});
    EXPECT_EQ(Count(lists_), 2);
    EXPECT_EQ(index_.Current()->title, std::u16string(u"Opened files"));
    EXPECT_EQ(Read("snglst001.lst").find("##SONGTITLE\r\nOpened files\r\n"), 0u);
    EXPECT_EQ(g_player.isPlaying, 1);
}

}  // namespace
