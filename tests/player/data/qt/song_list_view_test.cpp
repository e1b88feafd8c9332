// The song-list view as the main window gets it: columns, pictures, and rows read back in the
// order they are shown.
#include "player/data/song_list_view.h"

#include <QHeaderView>

#include "tests/player/data/qt/song_list_fixture.h"

namespace {

using ViewTest = SongListTest;

TEST_F(ViewTest, FourColumnsAtTheirWidthsWithWholeRowsSelectable) {
    EXPECT_EQ(view_.objectName(), QStringLiteral("id1000"));
    ASSERT_EQ(view_.columnCount(), 4);
    const QTreeWidgetItem* header = view_.headerItem();
    EXPECT_EQ(header->text(0), QString());
    EXPECT_EQ(header->text(1), QStringLiteral("Title"));
    EXPECT_EQ(header->text(2), QStringLiteral("Time"));
    EXPECT_EQ(header->text(3), QStringLiteral("FileName"));
    EXPECT_EQ(view_.columnWidth(0), 18);
    EXPECT_EQ(view_.columnWidth(1), 160);
    EXPECT_EQ(view_.columnWidth(2), 40);
    EXPECT_EQ(view_.columnWidth(3), 140);
    EXPECT_TRUE(header->textAlignment(2) & Qt::AlignRight);
    EXPECT_EQ(view_.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(view_.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view_.iconSize(), QSize(16, 16));
}

TEST_F(ViewTest, RowPicturesChangeOneCellOnly) {
    AppendSongRow(&view_, {1, u"/a.mid", u"A"});
    AppendSongRow(&view_, {2, u"/b.mid", u"B"});
    SetRowPicture(&view_, 1, kColumnState, kPicturePlaying);
    const auto pictureOf = [this](int row, int column) {
        return view_.topLevelItem(row)->data(column, kPictureRole).toInt();
    };
    EXPECT_EQ(pictureOf(1, kColumnState), kPicturePlaying);
    EXPECT_EQ(pictureOf(0, kColumnState), kPictureNormal);
    EXPECT_EQ(pictureOf(1, kColumnTitle), kPictureTitleMark);
    EXPECT_FALSE(view_.topLevelItem(1)->icon(kColumnState).isNull());
    // Rows and pictures that do not exist change nothing.
    SetRowPicture(&view_, 5, kColumnState, kPictureFailed);
    SetRowPicture(&view_, 0, kColumnState, 9);
    EXPECT_EQ(pictureOf(0, kColumnState), kPictureNormal);
}

TEST_F(ViewTest, RowsAreReadInTheOrderShown) {
    AppendSongRow(&view_, {187, u"/a.mid", u"A"});
    AppendSongRow(&view_, {6005, u"/b.mid", u"B"});
    EXPECT_EQ(view_.topLevelItem(1)->data(kColumnState, kRowOrderRole).toInt(), 1);
    view_.insertTopLevelItem(0, view_.takeTopLevelItem(1));
    const std::vector<SongListSong> songs = SongRows(&view_);
    ASSERT_EQ(songs.size(), 2u);
    EXPECT_EQ(songs[0].seconds, 6005u);
    EXPECT_EQ(songs[0].path, u"/b.mid");
    EXPECT_EQ(songs[1].seconds, 187u);
    EXPECT_EQ(songs[1].title, u"A");
}

}  // namespace
