// The song-list view as the main window gets it.
#include "player/shell/lists/song_list_view.h"

#include <QHeaderView>

#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

TEST_F(SongListTest, ViewHasFourColumnsTheFirstThreeAtTheirWidths) {
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
}

// The columns' widths together, up to and including column.
int WidthsUpTo(const QTreeView& view, int column) {
    int width = 0;
    for (int i = 0; i <= column; ++i) width += view.columnWidth(i);
    return width;
}

TEST_F(SongListTest, TheFileNameColumnFillsTheViewsWidthAndTheOthersKeepTheirs) {
    for (int width : {600, 900, 420}) {
        view_.setGeometry(0, 0, width, 300);
        window_.resize(width, 300);
        window_.show();
        EXPECT_EQ(view_.columnWidth(0), 18) << width;
        EXPECT_EQ(view_.columnWidth(1), 160) << width;
        EXPECT_EQ(view_.columnWidth(2), 40) << width;
        EXPECT_EQ(WidthsUpTo(view_, 3), view_.viewport()->width()) << width;
    }
    view_.setColumnWidth(1, 200);  // the user widens the title column: the file name gives way
    EXPECT_EQ(view_.columnWidth(1), 200);
    EXPECT_EQ(WidthsUpTo(view_, 3), view_.viewport()->width());
}

}  // namespace
