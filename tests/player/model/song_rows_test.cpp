// The rows of the shown list: moving blocks of rows with their selection, one step or to a
// place, the rows a focus step reaches, marks, and the songs written back as they were read.
#include "player/model/song_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

SongRows Rows(const std::string& titles) {
    std::vector<SongListSong> songs;
    for (char title : titles)
        songs.push_back({1, std::string("/") + title + ".mid", std::u16string(1, title)});
    SongRows rows;
    rows.Assign(songs);
    return rows;
}

std::string Titles(const SongRows& rows, const RowFlags* only = nullptr) {
    std::string titles;
    for (int row = 0; row < rows.Count(); ++row) {
        if (only == nullptr || (*only)[static_cast<std::size_t>(row)])
            titles += static_cast<char>(rows.Row(row).title[0]);
    }
    return titles;
}

struct MoveCase {
    const char* name;
    std::initializer_list<int> chosen;
    int step;
    const char* titles;    // after the move
    const char* selected;  // the flagged rows after the move
};

const MoveCase kMoveCases[] = {
    {"a block and a single row up", {1, 2, 4}, -1, "BCAED", "BCE"},
    {"single rows down", {0, 2}, 1, "BADCE", "AC"},
    {"a block down", {1, 2, 3}, 1, "AEBCD", "BCD"},
    {"the last row up", {4}, -1, "ABCED", "E"},
    {"the first row is chosen: nothing up", {0, 2}, -1, "ABCDE", "AC"},
    {"the last row is chosen: nothing down", {1, 4}, 1, "ABCDE", "BE"},
    {"every row: nothing moves", {0, 1, 2, 3, 4}, 1, "ABCDE", "ABCDE"},
    {"no row: nothing moves", {}, -1, "ABCDE", ""},
    {"two blocks side by side but one row apart", {1, 3}, -1, "BADCE", "BD"},
};

TEST(SongRowsTest, MovingBlocksKeepsTheirOrderAndTheirFlags) {
    for (const MoveCase& c : kMoveCases) {
        SongRows rows = Rows("ABCDE");
        RowFlags chosen(5);
        for (int row : c.chosen) chosen[static_cast<std::size_t>(row)] = 1;
        const std::vector<int> places = rows.MoveBlocks(chosen, c.step);
        EXPECT_EQ(Titles(rows), c.titles) << c.name;
        EXPECT_EQ(Titles(rows, &chosen), c.selected) << c.name;
        // Every row is found at the new place given for it.
        const std::string before = "ABCDE";
        for (std::size_t old = 0; old < places.size(); ++old) {
            EXPECT_EQ(rows.Row(places[old]).title[0], before[old]) << c.name << " row " << old;
        }
        EXPECT_EQ(places.empty(), Titles(rows) == before) << c.name;
    }
}

TEST(SongRowsTest, MovingWithFewerFlagsThanRowsTakesTheMissingOnesAsNotChosen) {
    SongRows rows = Rows("ABC");
    RowFlags chosen{0, 1};
    rows.MoveBlocks(chosen, 1);
    EXPECT_EQ(Titles(rows), "ACB");
    SongRows empty;
    RowFlags none;
    EXPECT_TRUE(empty.MoveBlocks(none, -1).empty());
}

struct DragCase {
    const char* name;
    std::initializer_list<int> chosen;
    int target;  // the row the chosen rows go before; the row count or -1: the end
    const char* titles;
};

const DragCase kDragCases[] = {
    {"a block up", {3, 4}, 1, "ADEBC"},
    {"scattered rows down, in their order", {0, 2}, 4, "BDACE"},
    {"rows to the end", {1, 3}, 5, "ACEBD"},
    {"rows to the end by -1", {0}, -1, "BCDEA"},
    {"rows to the top", {2, 4}, 0, "CEABD"},
    {"before a chosen row: the block stays", {1, 2}, 2, "ABCDE"},
    {"right behind itself: nothing moves", {1, 2}, 3, "ABCDE"},
    {"no row: nothing moves", {}, 0, "ABCDE"},
    {"a place past the end is the end", {0}, 99, "BCDEA"},
};

TEST(SongRowsTest, MovingRowsToAPlaceKeepsTheirOrderAndTheirFlags) {
    for (const DragCase& c : kDragCases) {
        SongRows rows = Rows("ABCDE");
        RowFlags chosen(5);
        for (int row : c.chosen) chosen[static_cast<std::size_t>(row)] = 1;
        const std::string chosenTitles = Titles(rows, &chosen);
        const std::vector<int> places = rows.MoveTo(chosen, c.target);
        EXPECT_EQ(Titles(rows), c.titles) << c.name;
        EXPECT_EQ(Titles(rows, &chosen), chosenTitles) << c.name;
        const std::string before = "ABCDE";
        for (std::size_t old = 0; old < places.size(); ++old) {
            EXPECT_EQ(rows.Row(places[old]).title[0], before[old]) << c.name << " row " << old;
        }
        EXPECT_EQ(places.empty(), Titles(rows) == before) << c.name;
    }
    SongRows empty;
    RowFlags none;
    EXPECT_TRUE(empty.MoveTo(none, 0).empty());
}

TEST(SongRowsTest, DeletingRowsByFlagsOrByRangeKeepsTheOthersInOrder) {
    struct {
        std::initializer_list<int> flagged;
        int first, last;
        const char* left;
    } cases[] = {
        {{0, 2, 4}, 0, -1, "BD"},     {{}, 1, 3, "AE"},    {{}, 3, 9, "ABC"},  {{}, -2, 0, "BCDE"},
        {{0, 1, 2, 3, 4}, 0, -1, ""}, {{}, 3, 2, "ABCDE"}, {{4}, 0, 0, "BCD"},
    };
    for (const auto& c : cases) {
        SongRows rows = Rows("ABCDE");
        RowFlags flags(5);
        for (int row : c.flagged) flags[static_cast<std::size_t>(row)] = 1;
        rows.Remove(flags);
        rows.RemoveRange(c.first, c.last);
        EXPECT_EQ(Titles(rows), c.left) << c.first << ".." << c.last;
    }
}

TEST(SongRowsTest, AFocusStepStaysWithinTheRows) {
    struct {
        int focused, step, rows, target;
    } cases[] = {
        {2, -1, 5, 1},   {2, 1, 5, 3},   {4, 1, 5, -1},
        {0, -1, 5, -1},  {-1, 1, 5, 0},  // without focus, Next reaches row 0
        {-1, -1, 5, -1}, {-1, 1, 0, -1}, {0, 1, 1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FocusStepTarget(c.focused, c.step, c.rows), c.target)
            << c.focused << " " << c.step << " " << c.rows;
    }
}

TEST(SongRowsTest, MarksChangeOnlyTheRowsThatAreThere) {
    SongRows rows = Rows("AB");
    rows.SetMark(1, RowMark::kPlaying);
    rows.SetMark(2, RowMark::kRefused);
    rows.SetMark(-1, RowMark::kRefused);
    EXPECT_EQ(rows.Row(0).mark, RowMark::kNormal);
    EXPECT_EQ(rows.Row(1).mark, RowMark::kPlaying);
    rows.ResetMarks();
    EXPECT_EQ(rows.Row(1).mark, RowMark::kNormal);
}

TEST(SongRowsTest, TheSongsAreWrittenBackAsTheyWereReadWithTheTimeAListHolds) {
    SongRows rows;
    rows.Assign({{65, "/music/\xC3\xBC.mid", u"Über"}, {0xFFFFFFFF, "/b.mid", u""}});
    rows.Append({{3, "/c.mid", u"C"}});
    const std::vector<SongListSong> songs = rows.Songs();
    ASSERT_EQ(songs.size(), 3u);
    EXPECT_EQ(songs[0].path, "/music/\xC3\xBC.mid");
    EXPECT_EQ(songs[0].title, u"Über");
    EXPECT_EQ(songs[0].seconds, 65u);
    EXPECT_EQ(songs[1].seconds, 0x7FFFFFFFu);  // as "%d" holds it
    EXPECT_EQ(songs[2].title, u"C");
    rows.Assign({});
    EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
