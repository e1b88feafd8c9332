// The row commands over a fake list view: where the focus and the selection go, what is told
// and deleted when the playing row is chosen, which row is brought into sight after a move, and
// where the current song goes when rows are dragged.
// Which rows may go and where the focus steps are the play order's and the rows' own
// (play_order_test.cpp, song_rows_test.cpp).
#include "player/model/row_commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/player/model/fake_play.h"

namespace {

class RowCommandsTest : public PlayLogicTest {
protected:
    void SetUp() override {
        PlayLogicTest::SetUp();
        SetRows("PPPP");
    }
    std::string Titles() const {
        std::string titles;
        for (int row = 0; row < screen.rows.Count(); ++row)
            titles += static_cast<char>(screen.rows.Row(row).title.back());
        return titles;
    }
};

TEST_F(RowCommandsTest, AStepMovesTheFocusedRowOutOfTheSelectionAndTheNextIn) {
    screen.focused = 1;
    screen.selected = {0, 1};
    MoveSelection(screen, 1);
    EXPECT_EQ(screen.focused, 2);
    EXPECT_EQ(screen.selected, (std::set<int>{0, 2}));
}

TEST_F(RowCommandsTest, AStepDownWithoutFocusClearsTheSelectionAndTakesRow0) {
    screen.selected = {2, 3};
    MoveSelection(screen, 1);
    EXPECT_EQ(screen.focused, 0);
    EXPECT_EQ(screen.selected, (std::set<int>{0}));
}

TEST_F(RowCommandsTest, AStepPastAnEndChangesNothing) {
    screen.focused = 3;
    screen.selected = {1, 3};
    MoveSelection(screen, 1);
    screen.focused = -1;
    MoveSelection(screen, -1);
    EXPECT_EQ(screen.selected, (std::set<int>{1, 3}));
}

TEST_F(RowCommandsTest, DeletingRowsBeforeThePlayingOneKeepsItCurrent) {
    PlayingRow(2);
    screen.selected = {0, 3};
    EXPECT_EQ(DeleteSelectedRows(screen), 1);
    EXPECT_EQ(Titles(), "12");
    EXPECT_EQ(g_player.currentSong, 1);
    EXPECT_EQ(Log(), "remove");
}

TEST_F(RowCommandsTest, ThePlayingRowIsNotDeletedAndTheUserIsTold) {
    PlayingRow(2);
    screen.selected = {1, 2};
    EXPECT_EQ(DeleteSelectedRows(screen), 0);
    g_player.japaneseUi = true;
    EXPECT_EQ(DeleteSelectedRows(screen), 0);
    EXPECT_EQ(Titles(), "0123");
    EXPECT_EQ(Log(), "message, message");
    ASSERT_EQ(screen.messages.size(), 2U);
    EXPECT_EQ(screen.messages[0], u"The item under playing cannot be deleted.");
    EXPECT_EQ(screen.messages[1], u"再生中の項目は削除できません");
}

TEST_F(RowCommandsTest, WhileIdleTheLastPlayedRowMayGo) {
    g_player.currentSong = 2;
    screen.selected = {2};
    EXPECT_EQ(DeleteSelectedRows(screen), 1);
    EXPECT_EQ(Titles(), "013");
}

TEST_F(RowCommandsTest, AMoveBringsTheFirstMovedRowIntoSight) {
    screen.selected = {1, 2};
    MoveSelectedRows(screen, -1);
    EXPECT_EQ(Titles(), "1203");
    EXPECT_EQ(screen.shown, 0);
    MoveSelectedRows(screen, 1);
    EXPECT_EQ(Titles(), "0123");
    EXPECT_EQ(screen.shown, 1);
}

TEST_F(RowCommandsTest, NothingMovedBringsNothingIntoSight) {
    screen.selected = {0, 2};
    MoveSelectedRows(screen, -1);
    EXPECT_EQ(Titles(), "0123");
    EXPECT_EQ(screen.shown, -1);
}

TEST_F(RowCommandsTest, TheCurrentSongFollowsItsDraggedRowAndNoneStaysNone) {
    g_player.currentSong = 1;
    FollowDraggedRows({2, 0, 1, 3});
    EXPECT_EQ(g_player.currentSong, 0);
    FollowDraggedRows({1, 0, 2, 3});
    EXPECT_EQ(g_player.currentSong, 1);
    g_player.currentSong = -1;
    FollowDraggedRows({1, 0});
    EXPECT_EQ(g_player.currentSong, -1);
    g_player.currentSong = 2;  // a row the places do not reach
    FollowDraggedRows({1, 0});
    EXPECT_EQ(g_player.currentSong, 2);
}

}  // namespace
