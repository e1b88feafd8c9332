// The song-list view as the main window gets it.
#include "player/shell/lists/song_list_view.h"

#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

TEST_F(SongListTest, ViewHasFourColumnsAtTheirWidths) {
    ASSERT_EQ(view_.columnCount(), 4);
    const QTreeWidgetItem* header = view_.headerItem();
    EXPECT_EQ(header->text(1), QStringLiteral("Title"));
    EXPECT_EQ(header->text(2), QStringLiteral("Time"));
    EXPECT_EQ(header->text(3), QStringLiteral("FileName"));
    EXPECT_EQ(view_.columnWidth(0), 18);
    EXPECT_EQ(view_.columnWidth(1), 160);
    EXPECT_EQ(view_.columnWidth(2), 40);
    EXPECT_EQ(view_.columnWidth(3), 140);
}

}  // namespace
