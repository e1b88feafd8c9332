// The cells of a song-list row: the picture of each mark and cell, the texts of the title, time
// and file-name cells (a path keeps every byte readable, whatever its encoding), the labels.
#include "player/model/row_cells.h"

#include <gtest/gtest.h>

namespace {

SongRow Row(std::string path, std::uint32_t seconds = 0, RowMark mark = RowMark::kNormal) {
    return {u"Song", std::move(path), seconds, mark};
}

TEST(RowCellsTest, TheStateCellShowsTheMarkAndTheTitleCellItsMark) {
    EXPECT_EQ(MarkPicture(RowMark::kNormal), kPictureNormal);
    EXPECT_EQ(MarkPicture(RowMark::kPlaying), kPicturePlaying);
    EXPECT_EQ(MarkPicture(RowMark::kRefused), kPictureFailed);
    const SongRow playing = Row("/a.mid", 0, RowMark::kPlaying);
    EXPECT_EQ(CellPicture(playing, kColumnState), kPicturePlaying);
    EXPECT_EQ(CellPicture(playing, kColumnTitle), kPictureTitleMark);
    EXPECT_EQ(CellPicture(playing, kColumnTime), -1);
    EXPECT_EQ(CellPicture(playing, kColumnFileName), -1);
    EXPECT_EQ(CellPicture(playing, kSongColumns), -1);
}

TEST(RowCellsTest, TheTitleTimeAndPathAreTextTheStateCellHasNone) {
    const SongRow row = Row("/music/a.mid", 125);
    EXPECT_EQ(CellText(row, kColumnTitle), u"Song");
    EXPECT_EQ(CellText(row, kColumnTime), u"02:05");
    EXPECT_EQ(CellText(Row("", 6000), kColumnTime), u"100:00");
    EXPECT_EQ(CellText(row, kColumnFileName), u"/music/a.mid");
    EXPECT_EQ(CellText(row, kColumnState), std::nullopt);
    EXPECT_EQ(CellText(row, kSongColumns), std::nullopt);
    EXPECT_EQ(CellText(row, -1), std::nullopt);
}

TEST(RowCellsTest, APathIsShownAsItsBytesTellKeepingEveryByte) {
    EXPECT_EQ(CellText(Row("/m/\xc3\xa9t\xc3\xa9.mid"), kColumnFileName), u"/m/été.mid");
    EXPECT_EQ(CellText(Row("/m/\x82\xa0.mid"), kColumnFileName), u"/m/あ.mid");   // CP932
    EXPECT_EQ(CellText(Row("/m/caf\xe9.mid"), kColumnFileName), u"/m/café.mid");  // CP1252
    EXPECT_EQ(CellText(Row("/m/\x81.mid"), kColumnFileName), u"/m/\u0081.mid");
}

TEST(RowCellsTest, TheHeaderNamesTheColumnsAfterTheState) {
    EXPECT_EQ(std::u16string(ColumnLabel(kColumnState)), u"");
    EXPECT_EQ(std::u16string(ColumnLabel(kColumnTitle)), u"Title");
    EXPECT_EQ(std::u16string(ColumnLabel(kColumnTime)), u"Time");
    EXPECT_EQ(std::u16string(ColumnLabel(kColumnFileName)), u"FileName");
    EXPECT_EQ(ColumnLabel(kSongColumns), nullptr);
    EXPECT_EQ(ColumnLabel(-1), nullptr);
}

}  // namespace
