// The first start copies the shipped lists into the folder of the song lists, and the combo box
// shows them.
#include "player/model/song_list_folder.h"

#include <filesystem>
#include <fstream>

#include "player/shell/lists/song_list_files.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

using FolderTest = SongListTest;

// The build writes the demo list beside the programs, where the tests run too.
TEST_F(FolderTest, FirstStartCopiesTheShippedListsAndLaterStartsDoNot) {
    std::ifstream file(std::string(TESALO_BIN_DIR) + "/snglst000.lst", std::ios::binary);
    const std::string shipped(std::istreambuf_iterator<char>(file), {});
    ASSERT_FALSE(shipped.empty());
    LoadSongListIndex();
    EXPECT_EQ(ReadList("snglst000.lst"), shipped);
    EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"Demo Songs"});
    std::filesystem::remove(folder_ + "snglst000.lst");
    Write("mine.lst", "##SONGTITLE\r\nMine\r\n\r\n");
    LoadSongListIndex();
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"mine.lst"});
}

}  // namespace
