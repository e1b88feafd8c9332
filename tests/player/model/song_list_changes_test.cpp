// The song-list menu without a window, its dialogs answered by a script: what a typed name
// becomes before it is checked, and what a list whose file was refused allows.
#include "player/model/song_list_changes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/player/model/song_list_fixture.h"

namespace {

// The list Rock, in snglst000.lst with the bytes given, current and shown.
class ChangesTest : public SongListIndexTest {
protected:
    void LoadRock(const std::string& bytes) {
        Write("snglst000.lst", bytes);
        LoadAndShow();
    }

    ScriptedDialogs dialogs_;
    SongListChanges changes_{index_, dialogs_, false};
};

// A name is one line of its file: control characters become spaces before the name is
// compared, so a name that then equals another list's is asked for again.
TEST_F(ChangesTest, ATypedNameIsOneLineBeforeItIsCheckedAndTaken) {
    LoadRock("##SONGTITLE\r\nRo ck\r\n\r\n");
    dialogs_.names = {u"RO\tCK", u"Jazz\r\nBand"};
    EXPECT_EQ(changes_.Create(view_), 1);
    EXPECT_EQ(dialogs_.asked, 2);
    ASSERT_EQ(dialogs_.told.size(), 1u);
    EXPECT_NE(dialogs_.told[0].find(u"already used"), std::u16string::npos);
    EXPECT_EQ(box_.names, (std::vector<std::u16string>{u"Jazz  Band", u"Ro ck"}));
    EXPECT_EQ(index_.Current()->fileName, std::u16string(u"snglst001.lst"));
}

TEST_F(ChangesTest, AListWhoseFileWasRefusedIsNeitherRenamedNorWritten) {
    LoadRock("not a list at all");
    told_.clear();
    dialogs_.names = {u"Metal"};
    EXPECT_EQ(changes_.Rename(view_), 0);
    EXPECT_EQ(dialogs_.asked, 0);
    EXPECT_EQ(told_.size(), 1u);  // why it may not change
    EXPECT_EQ(box_.names, std::vector<std::u16string>{u"snglst000.lst"});
    EXPECT_EQ(Read("snglst000.lst"), "not a list at all");
}

}  // namespace
