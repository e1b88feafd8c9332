// The folder of the song lists and the lists shipped with the program.
#include "player/model/song_list_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "player/model/shipped_song_lists.h"
#include "tests/player/model/data_folder_fixture.h"

namespace {

using FolderTest = DataFolderTest;

TEST_F(FolderTest, DataFolderComesFromXdgDataHomeElseHomeAndIsCreated) {
    std::filesystem::remove_all(folder_);
    EXPECT_EQ(ProgramDirectory(), root_ + "/tesalo/");
    EXPECT_TRUE(std::filesystem::is_directory(folder_));
    setenv("HOME", (root_ + "/home").c_str(), 1);
    setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: not taken
    EXPECT_EQ(ProgramDirectory(), root_ + "/home/.local/share/tesalo/");
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/home/.local/share/tesalo"));
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
