// Replacing a file whole: through links, and with the reason of a failure.
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/platform/registry_support.h"

using namespace platform;
using namespace registrytest;

namespace {

namespace fs = std::filesystem;

class FileReplace : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = fs::temp_directory_path() / "tesalo-replace-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder_;  // with its trailing '/'
};

TEST_F(FileReplace, AChainOfLinksIsFollowedToItsEndAndStays) {
    fs::create_directories(folder_ + "far");
    fs::create_symlink("middle", folder_ + "first");
    fs::create_symlink(folder_ + "far/end", folder_ + "middle");
    ASSERT_TRUE(ReplaceFileContents(folder_ + "first", "made"));  // the end does not exist yet
    EXPECT_EQ(ReadText(folder_ + "far/end"), "made");
    ASSERT_TRUE(ReplaceFileContents(folder_ + "first", "replaced"));
    EXPECT_EQ(ReadText(folder_ + "far/end"), "replaced");
    EXPECT_TRUE(fs::is_symlink(folder_ + "first"));
    EXPECT_TRUE(fs::is_symlink(folder_ + "middle"));
    EXPECT_EQ(Names(folder_ + "far"), std::vector<std::string>{"end"});
}

TEST_F(FileReplace, AFailureGivesTheReasonAndLeavesTheOldFileAlone) {
    const std::string path = folder_ + "a.lst";
    WriteText(path, "old text");
    int error = 0;
    {
        FullDisk disk(4);
        EXPECT_FALSE(ReplaceFileContents(path, "a longer new text", &error));
    }
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(ReadText(path), "old text");
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"a.lst"});

    EXPECT_FALSE(ReplaceFileContents(folder_ + "missing/a.lst", "x", &error));
    EXPECT_EQ(error, ENOENT);
    fs::create_directory(folder_ + "folder.lst");
    EXPECT_FALSE(ReplaceFileContents(folder_ + "folder.lst", "x", &error));
    EXPECT_EQ(error, EISDIR);
    fs::create_symlink("loop", folder_ + "loop");
    EXPECT_FALSE(ReplaceFileContents(folder_ + "loop", "x", &error));
    EXPECT_EQ(error, ELOOP);
    EXPECT_TRUE(ReplaceFileContents(path, "new", &error));
    EXPECT_EQ(error, 0);
}

}  // namespace
