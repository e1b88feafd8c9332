// The song files a drop names, without a window: folders give their MIDI files by name.
#include "player/model/dropped_songs.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace {

// Letter case of ASCII does not count: enough for the names of these tests.
int AsciiOrder(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

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
