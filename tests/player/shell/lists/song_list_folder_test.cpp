// The folder of the song lists and the lists shipped with the program.
#include "player/shell/lists/song_list_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "player/shell/lists/shipped_song_lists.h"
#include "player/shell/lists/song_list_files.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

using FolderTest = SongListTest;

TEST_F(FolderTest, DataFolderComesFromXdgDataHomeElseHomeAndIsCreated) {
    std::filesystem::remove_all(folder_);
    EXPECT_EQ(ProgramDirectory(), root_ + "/tesalo/");
    EXPECT_TRUE(std::filesystem::is_directory(folder_));
    setenv("HOME", (root_ + "/home").c_str(), 1);
    setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: not taken
    EXPECT_EQ(ProgramDirectory(), root_ + "/home/.local/share/tesalo/");
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/home/.local/share/tesalo"));
}

// The build writes the demo list beside the programs, where the tests run too.
TEST_F(FolderTest, FirstStartCopiesTheShippedListsAndLaterStartsDoNot) {
    std::ifstream file(std::string(TESALO_BIN_DIR) + "/snglst000.lst", std::ios::binary);
    const std::string shipped(std::istreambuf_iterator<char>(file), {});
    ASSERT_FALSE(shipped.empty());
    LoadSongListIndex();
    EXPECT_EQ(ReadList("snglst000.lst"), shipped);
    EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"Demo Songs"});
    std::filesystem::remove(folder_ + "snglst000.lst");
    WriteList("mine.lst", "##SONGTITLE\r\nMine\r\n\r\n");
    LoadSongListIndex();
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"mine.lst"});
}

TEST_F(FolderTest, InstalledProgramFindsItsListsUnderShareTesalo) {
    const std::string prefix = root_ + "/usr/";
    std::filesystem::create_directories(prefix + "bin");
    std::filesystem::create_directories(prefix + "share/tesalo");
    std::ofstream(prefix + "share/tesalo/snglst000.lst") << "##SONGTITLE\r\nInstalled\r\n\r\n";
    std::ofstream(prefix + "share/tesalo/voice.txt") << "not a list";
    InstallShippedSongLists(folder_, prefix + "bin/");
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst000.lst"});
    EXPECT_EQ(ReadList("snglst000.lst"), "##SONGTITLE\r\nInstalled\r\n\r\n");
    // Lists beside the program (a build's bin/) come first.
    std::ofstream(prefix + "bin/snglst000.lst") << "##SONGTITLE\r\nBuilt\r\n\r\n";
    EXPECT_EQ(ShippedSongListFolder(prefix + "bin/"), prefix + "bin/");
}

}  // namespace
