// The rows of the MIDI file selection dialog, read from the file system without a window.
#include "player/model/folder_entries.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/player/model/ascii_order.h"

namespace {

TEST(FolderEntries, SizesGetACommaBeforeEveryGroupOfThreeDigits) {
    auto size = [](std::uint64_t bytes) {
        return SizeText({u"x.mid", "x.mid", "/", false, bytes});
    };
    EXPECT_EQ(size(0), u"0");
    EXPECT_EQ(size(100), u"100");
    EXPECT_EQ(size(999), u"999");
    EXPECT_EQ(size(1000), u"1,000");
    EXPECT_EQ(size(1234567), u"1,234,567");
    // Beyond 32 bits the size is still the file's own, not its low half.
    EXPECT_EQ(size(5000000000), u"5,000,000,000");
    EXPECT_EQ(SizeText({u"A", "A", "/", true, 0}), u"(Folder)");
}

TEST(FolderEntries, TheParentCutsBehindTheSeparatorBeforeTheLastOne) {
    EXPECT_EQ(ParentFolder("/home/kim/music/"), "/home/kim/");
    EXPECT_EQ(ParentFolder("/home/"), "/");
    EXPECT_EQ(ParentFolder("/"), "/");
}

TEST(FolderEntries, AFolderThatCannotBeReadListsOnlyItsParent) {
    const std::vector<FolderEntry> rows = ListFolder("/no/such/folder/", AsciiOrder);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, u"..");
}

TEST(FolderEntries, FoldersComeFirstThenMidiFilesInTheOrderHandedIn) {
    char pattern[] = "/tmp/tesalo-folder-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = std::string(pattern) + "/";
    std::filesystem::create_directory(folder + "zeta");
    std::filesystem::create_directory(folder + "Alpha");
    for (const char* name : {"b.MID", "a.mid", "B.mid", "notes.txt", "c.midi"}) {
        std::ofstream(folder + name) << "1234";
    }
    std::vector<std::string> names;
    for (const FolderEntry& entry : ListFolder(folder, AsciiOrder)) names.push_back(entry.rawName);
    EXPECT_EQ(names, (std::vector<std::string>{"..", "Alpha", "zeta", "a.mid", "B.mid", "b.MID"}));
    EXPECT_EQ(ListFolder(folder, AsciiOrder)[3].size, 4u);
    std::filesystem::remove_all(pattern);
}

}  // namespace
