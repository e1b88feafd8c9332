// Deleting rows through the list view's model: a selection of many separate blocks goes in one
// pass, and the selection and focus follow as they follow rows taken out block by block.
#include "player/shell/lists/song_rows_model.h"

#include <QSignalSpy>

#include "player/shell/lists/song_list_view.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

class RowsModelTest : public SongListTest {
protected:
    // Rows titled A, B, C, ... shown in the view.
    void ShowRows(int count) {
        std::vector<SongListSong> songs;
        for (int i = 0; i < count; ++i) {
            songs.push_back({60, "/m/" + std::to_string(i) + ".mid", std::u16string(1, u'A' + i)});
        }
        ShownRows(&view_)->Assign(songs);
    }
    void Select(const std::vector<int>& rows) {
        view_.clearSelection();
        for (int row : rows) FocusRow(&view_, row, true);
    }
    // Deletes the selected rows, the focus on row focus (-1: none) first.
    void DeleteSelected(int focus) {
        view_.selectionModel()->setCurrentIndex(view_.model()->index(focus, 0),
                                                QItemSelectionModel::NoUpdate);
        ShownRows(&view_)->Remove(SelectedRows(&view_), view_.selectionModel());
    }
    std::string Titles() {
        std::string titles;
        for (int row = 0; row < RowCount(&view_); ++row) titles += Utf8(Cell(row, kColumnTitle));
        return titles;
    }
    std::string SelectedTitles() {
        std::string titles;
        const RowFlags selected = SelectedRows(&view_);
        for (int row = 0; row < RowCount(&view_); ++row) {
            if (selected[static_cast<std::size_t>(row)]) titles += Utf8(Cell(row, kColumnTitle));
        }
        return titles;
    }
};

TEST_F(RowsModelTest, ScatteredBlocksGoAndTheFocusMovesToTheNearestRowKeptAbove) {
    ShowRows(8);
    Select({1, 2, 4, 6});
    DeleteSelected(4);
    EXPECT_EQ(Titles(), "ADFH");
    EXPECT_EQ(SelectedTitles(), "");
    EXPECT_EQ(FocusedRow(&view_), 1);  // D, just above the focused E
}

TEST_F(RowsModelTest, WithNoRowKeptAboveTheFocusMovesToTheNearestBelow) {
    ShowRows(6);
    Select({0, 1, 3, 5});
    DeleteSelected(1);
    EXPECT_EQ(Titles(), "CE");
    EXPECT_EQ(FocusedRow(&view_), 0);  // C
}

TEST_F(RowsModelTest, AFocusOnAKeptRowStaysOnItAndEveryRowGoneLeavesNoFocus) {
    ShowRows(6);
    Select({0, 2, 5});
    DeleteSelected(3);
    EXPECT_EQ(Titles(), "BDE");
    EXPECT_EQ(FocusedRow(&view_), 1);  // D still
    EXPECT_EQ(SelectedTitles(), "");
    Select({0, 1, 2});
    DeleteSelected(2);
    EXPECT_EQ(Titles(), "");
    EXPECT_EQ(FocusedRow(&view_), -1);
}

TEST_F(RowsModelTest, RowsKeptStaySelectedWhenOnlyOthersAreDeleted) {
    ShowRows(6);
    Select({1, 4});
    RowFlags chosen(6);
    chosen[0] = chosen[2] = chosen[5] = 1;
    ShownRows(&view_)->Remove(chosen, view_.selectionModel());
    EXPECT_EQ(Titles(), "BDE");
    EXPECT_EQ(SelectedTitles(), "BE");
}

TEST_F(RowsModelTest, ManySeparateBlocksAreOneChangeOfTheView) {
    ShowRows(20);
    std::vector<int> every;
    for (int row = 0; row < 20; row += 2) every.push_back(row);
    Select(every);
    QSignalSpy removed(view_.model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy laidOut(view_.model(), &QAbstractItemModel::layoutChanged);
    DeleteSelected(10);
    EXPECT_EQ(Titles(), "BDFHJLNPRT");
    EXPECT_EQ(removed.count() + laidOut.count(), 1);
    EXPECT_EQ(FocusedRow(&view_), 4);  // J, above K
}

TEST_F(RowsModelTest, NothingChosenChangesNothing) {
    ShowRows(3);
    Select({1});
    QSignalSpy laidOut(view_.model(), &QAbstractItemModel::layoutChanged);
    ShownRows(&view_)->Remove(RowFlags(3), view_.selectionModel());
    EXPECT_EQ(Titles(), "ABC");
    EXPECT_EQ(SelectedTitles(), "B");
    EXPECT_EQ(laidOut.count(), 0);
}

}  // namespace
