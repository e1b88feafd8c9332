// The song files a drop names, without a window: folders give their MIDI files by name.
#include "player/model/dropped_songs.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/player/model/ascii_order.h"

namespace {

TEST(DroppedSongsTest, AFolderGivesItsSongFilesByNameAndOtherPathsStay) {
    char pattern[] = "/tmp/tesalo-drop-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    std::filesystem::create_directory(folder + "/inner");
    for (const char* name :
         {"b.KAR", "A.midi", "c.rmi", "a.MID", "notes.txt", ".mid", "inner/d.mid"}) {
        std::ofstream(folder + "/" + name) << "x";
    }
    const std::vector<std::string> songs =
        DroppedSongPaths({"/elsewhere/x.txt", folder, folder + "/"}, AsciiOrder);
    const std::vector<std::string> inFolder = {folder + "/a.MID", folder + "/A.midi",
                                               folder + "/b.KAR", folder + "/c.rmi"};
    std::vector<std::string> expected = {"/elsewhere/x.txt"};
    expected.insert(expected.end(), inFolder.begin(), inFolder.end());
    expected.insert(expected.end(), inFolder.begin(), inFolder.end());
    EXPECT_EQ(songs, expected);
    std::filesystem::remove_all(folder);
}

}  // namespace
