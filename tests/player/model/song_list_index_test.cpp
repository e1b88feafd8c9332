// Which song list the rows show and when their change is saved, without a window: a change that
// cannot be written stays in the rows, is told once, and goes to its own file as soon as a save
// works; a list deleted or refused is never written.
#include "player/model/song_list_index.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>

#include "tests/player/model/song_list_fixture.h"

namespace {

// The lists A and B; A is current, not yet shown.
class IndexTest : public SongListIndexTest {
protected:
    void SetUp() override {
        SongListIndexTest::SetUp();
        getrlimit(RLIMIT_FSIZE, &old_);
        Write("snglst000.lst", "##SONGTITLE\r\nA\r\n\r\n");
        Write("snglst001.lst", "##SONGTITLE\r\nB\r\n\r\n##SONGFILE\r\n7\r\n/b.mid\r\nB1\r\n\r\n");
        ShowIn(lists_, &box_, AsciiOrder);
        index_.Load(root_);
    }
    void TearDown() override {
        setrlimit(RLIMIT_FSIZE, &old_);
        SongListIndexTest::TearDown();
    }

    // Every list file may grow to a few bytes only, as on a full disk; or again as before.
    void FillDisk() {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    void FreeDisk() { setrlimit(RLIMIT_FSIZE, &old_); }
    // A is shown with a song added that its file lacks, since the disk is full.
    void ShowAWithAnUnsavedSong() {
        ASSERT_EQ(index_.Show(view_), 1);  // A holds no song yet
        view_.rows.Append({{5, "/a.mid", u"A1"}});
        FillDisk();
        ASSERT_EQ(index_.Save(view_.rows), 0);
    }

    rlimit old_{};
};

const char kASaved[] = "##SONGTITLE\r\nA\r\n\r\n##SONGFILE\r\n5\r\n/a.mid\r\nA1\r\n\r\n";

TEST_F(IndexTest, AnUnsavedChangeIsWrittenBeforeAnotherListIsShown) {
    ShowAWithAnUnsavedSong();
    EXPECT_EQ(told_.size(), 1u);
    FreeDisk();
    Select(lists_, 1);
    EXPECT_EQ(index_.Show(view_), 1);
    EXPECT_EQ(Read("snglst000.lst"), kASaved);
    ASSERT_EQ(view_.rows.Count(), 1);
    EXPECT_EQ(view_.rows.Row(0).title, u"B1");
    EXPECT_EQ(told_.size(), 1u);
    EXPECT_EQ(index_.SaveUnsaved(view_.rows, true), 1);  // nothing left to save
}

// The player's last save as it ends: a window going down by a signal shows no message.
TEST_F(IndexTest, AtTheEndAFailureIsToldOnlyWhenAsked) {
    ShowAWithAnUnsavedSong();
    told_.clear();
    EXPECT_EQ(index_.SaveUnsaved(view_.rows, false), 0);
    EXPECT_TRUE(told_.empty());
    EXPECT_EQ(index_.SaveUnsaved(view_.rows, true), 0);
    EXPECT_EQ(told_.size(), 1u);
    FreeDisk();
    EXPECT_EQ(index_.SaveUnsaved(view_.rows, false), 1);
    EXPECT_EQ(Read("snglst000.lst"), kASaved);
}

TEST_F(IndexTest, ADeletedListLeavesNothingToSave) {
    ShowAWithAnUnsavedSong();
    told_.clear();
    index_.Forget(index_.Current());
    EXPECT_EQ(index_.SaveUnsaved(view_.rows, true), 1);
    Select(lists_, 1);
    EXPECT_EQ(index_.Show(view_), 1);
    EXPECT_TRUE(told_.empty());
    EXPECT_EQ(Read("snglst000.lst"), "##SONGTITLE\r\nA\r\n\r\n");
}

// Only the list whose file was refused while it is shown refuses edits; the next one chosen,
// not shown yet, is free to change.
TEST_F(IndexTest, AnEditIsRefusedOnlyForTheShownListWhoseFileWasRefused) {
    Write("snglst000.lst", "not a list at all");
    EXPECT_EQ(index_.Show(view_), 0);
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_EQ(index_.Editable(), 0);
    EXPECT_EQ(told_.size(), 2u);
    view_.rows.Append({{5, "/a.mid", u"A1"}});
    EXPECT_EQ(index_.Save(view_.rows), 0);
    EXPECT_EQ(Read("snglst000.lst"), "not a list at all");
    Select(lists_, 1);
    EXPECT_EQ(index_.Editable(), 1);
    EXPECT_EQ(told_.size(), 2u);
}

}  // namespace
