// The folder of the song lists, whole-file replacement, and the lists shipped with the program.
#include "player/data/song_list_folder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "player/data/file_replace.h"
#include "player/data/shipped_song_lists.h"
#include "player/data/song_list_files.h"
#include "player/data/string_list.h"
#include "tests/player/data/qt/song_list_fixture.h"

namespace {

using FolderTest = SongListTest;

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(FolderTest, DataFolderComesFromXdgDataHomeElseHomeAndIsCreated) {
    std::filesystem::remove_all(folder_);
    EXPECT_EQ(ProgramDirectory(), root_ + "/tesalo/");
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/tesalo"));
    // Without XDG_DATA_HOME (or with a relative one): the home folder's .local/share.
    setenv("HOME", (root_ + "/home").c_str(), 1);
    setenv("XDG_DATA_HOME", "relative/path", 1);
    EXPECT_EQ(ProgramDirectory(), root_ + "/home/.local/share/tesalo/");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ProgramDirectory(), root_ + "/home/.local/share/tesalo/");
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/home/.local/share/tesalo"));
}

TEST_F(FolderTest, ReplacingAFileLeavesNoTemporaryFileBehind) {
    const std::string path = folder_ + "snglst000.lst";
    ASSERT_TRUE(ReplaceFileContents(path, "first"));
    ASSERT_TRUE(ReplaceFileContents(path, "second, longer"));
    EXPECT_EQ(ReadWhole(path), "second, longer");
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst000.lst"});
    // A directory in the file's place is not replaced.
    std::filesystem::create_directory(folder_ + "taken.lst");
    EXPECT_FALSE(ReplaceFileContents(folder_ + "taken.lst", "text"));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ + "taken.lst"));
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"snglst000.lst", "taken.lst"}));
}

// The build writes the demo list beside the programs, where the tests run too.
TEST_F(FolderTest, FirstStartCopiesTheShippedLists) {
    const std::string shipped = ReadWhole(std::string(TESALO_BIN_DIR) + "/snglst000.lst");
    ASSERT_FALSE(shipped.empty());
    LoadSongListIndex();
    EXPECT_EQ(ReadList("snglst000.lst"), shipped);
    EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"Demo Songs"});
}

TEST_F(FolderTest, ShippedListsAreNotCopiedOverExistingLists) {
    WriteList("mine.lst", "##SONGTITLE\r\nMine\r\n\r\n");
    LoadSongListIndex();
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"mine.lst"});
    EXPECT_EQ(ComboNames(), std::vector<std::u16string>{u"Mine"});
}

TEST_F(FolderTest, InstalledProgramFindsItsListsUnderShareTesalo) {
    const std::string prefix = root_ + "/usr/";
    std::filesystem::create_directories(prefix + "bin");
    std::filesystem::create_directories(prefix + "share/tesalo");
    std::ofstream(prefix + "share/tesalo/snglst000.lst") << "##SONGTITLE\r\nInstalled\r\n\r\n";
    std::ofstream(prefix + "share/tesalo/voice.txt") << "not a list";
    EXPECT_EQ(ShippedSongListFolder(prefix + "bin/"), prefix + "bin/../share/tesalo/");
    InstallShippedSongLists(folder_, prefix + "bin/");
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst000.lst"});
    EXPECT_EQ(ReadList("snglst000.lst"), "##SONGTITLE\r\nInstalled\r\n\r\n");
    // Lists beside the program (a build) come first.
    std::ofstream(prefix + "bin/snglst000.lst") << "##SONGTITLE\r\nBuilt\r\n\r\n";
    EXPECT_EQ(ShippedSongListFolder(prefix + "bin/"), prefix + "bin/");
}

}  // namespace
