// Editing the rows: moving the focus while idle, deleting rows around the playing one, moving
// blocks of rows; every edit is written to the list's file.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "player/model/player_state.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_view.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

class RowsTest : public WindowTest {
protected:
    void ShowFive() {
        ShowList({{"A", Song("a", 40)},
                  {"B", Song("b", 40)},
                  {"C", Song("c", 40)},
                  {"D", Song("d", 40)},
                  {"E", Song("e", 40)}});
    }
    std::string SelectedTitles() const {
        std::string titles;
        for (int row : SelectedRowList()) titles += Cell(row, kColumnTitle).toStdString();
        return titles;
    }
    // The titles in the list's file, in its order.
    std::string SavedTitles() const {
        std::ifstream file(ProgramDirectory() + "snglst000.lst", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        std::map<std::size_t, char> byPlace;
        for (char title : std::string("ABCDE")) {
            const std::size_t place = text.str().find(std::string(".mid\r\n") + title + "\r\n");
            if (place != std::string::npos) byPlace[place] = title;
        }
        std::string titles;
        for (const auto& [place, title] : byPlace) titles += title;
        return titles;
    }
    int OrderData(int row) const {
        return View()->model()->index(row, kColumnState).data(kRowOrderRole).toInt();
    }
};

TEST_F(RowsTest, PreviousAndNextWhileIdleMoveFocusAndSelectionWithinTheRows) {
    ShowFive();
    Select({0, 2});
    FocusRow(View(), 2, false);
    Command(kCommandPrevious);
    EXPECT_EQ(FocusedRow(View()), 1);
    EXPECT_EQ(SelectedTitles(), "AB");  // only the focused row's selection moves
    EXPECT_EQ(g_player.isPlaying, 0);
    FocusRow(View(), 4, false);
    Command(kCommandNext);  // already the last row
    EXPECT_EQ(FocusedRow(View()), 4);
    View()->setCurrentIndex(QModelIndex());
    Command(kCommandNext);  // no focus: every selection goes, row 0 gets it
    EXPECT_EQ(FocusedRow(View()), 0);
    EXPECT_EQ(SelectedTitles(), "A");
}

TEST_F(RowsTest, DeletingRowsAboveThePlayingRowKeepsItsSongMarked) {
    ShowFive();
    Focus(3);
    Command(kCommandPlay);
    Select({0, 2, 4});
    Command(kCommandDeleteRows);
    EXPECT_EQ(Titles(), "BD");
    EXPECT_EQ(g_player.currentSong, 1);
    EXPECT_EQ(Picture(1), kPicturePlaying);
    EXPECT_EQ(SavedTitles(), "BD");
}

TEST_F(RowsTest, DeletingThePlayingRowIsRefusedAndDeletesNothing) {
    ShowFive();
    Focus(1);
    Command(kCommandPlay);
    Select({0, 1});
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    Command(kCommandDeleteRows);
    EXPECT_EQ(shown, u"The item under playing cannot be deleted.");
    EXPECT_EQ(Titles(), "ABCDE");
    EXPECT_EQ(g_player.currentSong, 1);
}

TEST_F(RowsTest, MovingBlocksKeepsTheirOrderAndTheSelection) {
    ShowFive();
    Select({1, 2, 4});
    Command(kCommandMoveUp);  // the block B C and the single E each move one place
    EXPECT_EQ(Titles(), "BCAED");
    EXPECT_EQ(SelectedTitles(), "BCE");
    Command(kCommandMoveUp);  // row 0 is selected now: nothing moves
    EXPECT_EQ(Titles(), "BCAED");
    Select({0, 2});
    Command(kCommandMoveDown);
    EXPECT_EQ(Titles(), "CBEAD");
    for (int row = 0; row < 5; ++row) EXPECT_EQ(OrderData(row), row);
    EXPECT_EQ(SavedTitles(), "CBEAD");
}

TEST_F(RowsTest, MovingDownWithTheLastRowSelectedMovesNothing) {
    ShowFive();
    Select({1, 4});
    Command(kCommandMoveDown);
    EXPECT_EQ(Titles(), "ABCDE");
}

}  // namespace
