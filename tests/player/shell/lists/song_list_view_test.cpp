// The song-list view as the main window gets it.
#include "player/shell/lists/song_list_view.h"

#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

TEST_F(SongListTest, ViewHasFourColumnsAtTheirWidths) {
    const QAbstractItemModel* rows = view_.model();
    ASSERT_EQ(rows->columnCount(), 4);
    EXPECT_EQ(rows->headerData(0, Qt::Horizontal).toString(), QString());
    EXPECT_EQ(rows->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Title"));
    EXPECT_EQ(rows->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Time"));
    EXPECT_EQ(rows->headerData(3, Qt::Horizontal).toString(), QStringLiteral("FileName"));
    EXPECT_EQ(rows->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(view_.columnWidth(0), 18);
    EXPECT_EQ(view_.columnWidth(1), 160);
    EXPECT_EQ(view_.columnWidth(2), 40);
    EXPECT_EQ(view_.columnWidth(3), 140);
}

}  // namespace
