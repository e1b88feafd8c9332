// The MIDI file selection dialog's chooser on a real folder tree: where it opens, where its rows
// lead and which entries the selected rows choose.
#include "player/model/file_chooser.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/player/model/ascii_order.h"

namespace {

namespace fs = std::filesystem;

// A temporary tree: music/ holds the folder inner/ (with deep.mid), a.mid and notes.txt.
class FileChooserTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tesalo-chooser-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = std::string(pattern) + "/";
        music_ = root_ + "music/";
        fs::create_directories(music_ + "inner");
        for (const char* name : {"inner/deep.mid", "a.mid", "notes.txt"}) {
            std::ofstream(music_ + name) << "1234";
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    static std::string Names(const FileChooser& chooser) {
        std::string names;
        for (const FolderEntry& entry : chooser.Entries()) names += entry.rawName + "|";
        return names;
    }

    std::string root_;
    std::string music_;
};

TEST_F(FileChooserTest, AFolderRowLeadsIntoItAndDotDotBackOut) {
    std::string last = music_;
    FileChooser chooser(last, AsciiOrder);
    EXPECT_EQ(Names(chooser), "..|inner|a.mid|");
    EXPECT_TRUE(chooser.Open(1));
    EXPECT_EQ(Names(chooser), "..|deep.mid|");
    EXPECT_EQ(last, music_ + "inner/") << "the folder shown last is kept for the next opening";
    EXPECT_TRUE(chooser.Open(0));
    EXPECT_EQ(Names(chooser), "..|inner|a.mid|");
    EXPECT_EQ(last, music_);
    EXPECT_TRUE(chooser.Open(0));
    EXPECT_EQ(last, root_);
}

TEST_F(FileChooserTest, AFileRowOrARowThatIsNotThereDoesNothing) {
    std::string last = music_;
    FileChooser chooser(last, AsciiOrder);
    for (int row : {2, 3, -1, 100}) {
        EXPECT_FALSE(chooser.Open(row)) << row;
        EXPECT_EQ(Names(chooser), "..|inner|a.mid|") << row;
        EXPECT_EQ(last, music_) << row;
    }
}

// A folder that vanished after it was listed shows only "..", which still leads back.
TEST_F(FileChooserTest, AVanishedFolderShowsOnlyItsWayBack) {
    std::string last = music_;
    FileChooser chooser(last, AsciiOrder);
    fs::remove_all(music_ + "inner");
    EXPECT_TRUE(chooser.Open(1));
    EXPECT_EQ(Names(chooser), "..|");
    EXPECT_TRUE(chooser.Open(0));
    EXPECT_EQ(Names(chooser), "..|a.mid|");
}

TEST_F(FileChooserTest, TheChosenEntriesAreThoseOfTheSetFlagsInRowOrder) {
    std::string last = music_;
    FileChooser chooser(last, AsciiOrder);
    const std::vector<FolderEntry>& rows = chooser.Entries();
    EXPECT_EQ(chooser.Chosen({true, false, true}),
              (std::vector<const FolderEntry*>{&rows[0], &rows[2]}));
    EXPECT_TRUE(chooser.Chosen({false, false, false}).empty());
    EXPECT_TRUE(chooser.Chosen({}).empty());
    // Flags beyond the rows choose nothing.
    EXPECT_EQ(chooser.Chosen({false, true, false, true, true}),
              (std::vector<const FolderEntry*>{&rows[1]}));
}

TEST_F(FileChooserTest, TheLastFolderWhileItExistsElseHomeElseTheRoot) {
    const std::string home = root_ + "home";
    fs::create_directory(home);
    EXPECT_EQ(StartFolder(music_, home.c_str()), music_);
    EXPECT_EQ(StartFolder(root_ + "gone/", home.c_str()), home + "/") << "a separator is added";
    EXPECT_EQ(StartFolder("", (home + "/").c_str()), home + "/");
    EXPECT_EQ(StartFolder(music_ + "a.mid", home.c_str()), home + "/") << "a file is no folder";
    EXPECT_EQ(StartFolder("", nullptr), "/") << "HOME unset";
    EXPECT_EQ(StartFolder("", ""), "/");
    EXPECT_EQ(StartFolder("", (root_ + "gone").c_str()), "/");
    EXPECT_EQ(StartFolder("", (music_ + "a.mid").c_str()), "/") << "HOME is a file";
}

// The chooser reads HOME from the environment when the last folder has vanished.
TEST_F(FileChooserTest, ItOpensInTheEnvironmentsHomeWhenTheLastFolderIsGone) {
    const char* oldHome = std::getenv("HOME");
    const std::string kept = oldHome != nullptr ? oldHome : "";
    setenv("HOME", (music_ + "inner").c_str(), 1);
    std::string last = root_ + "gone/";
    FileChooser chooser(last, AsciiOrder);
    if (oldHome != nullptr)
        setenv("HOME", kept.c_str(), 1);
    else
        unsetenv("HOME");
    EXPECT_EQ(last, music_ + "inner/");
    EXPECT_EQ(Names(chooser), "..|deep.mid|");
}

}  // namespace
