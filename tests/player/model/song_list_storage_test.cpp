// The song-list files read without a window: their bytes, why one cannot be taken, its title,
// and the free name of a new list's file.
#include "player/model/song_list_storage.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>

#include "player/model/song_list_notices.h"
#include "tests/player/model/data_folder_fixture.h"

namespace {

using StorageTest = DataFolderTest;

TEST_F(StorageTest, APathIsTheDataFolderAndTheFileName) {
    EXPECT_EQ(SongListPath(u"snglst000.lst"), folder_ + "snglst000.lst");
}

TEST_F(StorageTest, AListIsReadWithoutItsZeroBytes) {
    Write("a.lst", std::string("##SONGTITLE\r\nMine\r\n\0\r\n", 22));
    std::string bytes;
    EXPECT_EQ(ReadListFile(u"a.lst", &bytes), 0);
    EXPECT_EQ(bytes, "##SONGTITLE\r\nMine\r\n\r\n");
}

TEST_F(StorageTest, WhatIsNoReadableListSaysWhy) {
    std::string bytes;
    EXPECT_EQ(ReadListFile(u"missing.lst", &bytes), ENOENT);
    std::filesystem::create_directory(folder_ + "folder.lst");
    EXPECT_EQ(ReadListFile(u"folder.lst", &bytes), kNotASongList);
    ASSERT_EQ(mkfifo((folder_ + "pipe.lst").c_str(), 0600), 0);
    EXPECT_EQ(ReadListFile(u"pipe.lst", &bytes), kNotASongList);  // and does not hang
    Write("text.lst", "not a list at all");
    EXPECT_EQ(ReadListFile(u"text.lst", &bytes), kNotASongList);
    std::filesystem::resize_file(folder_ + "text.lst", (64 << 20) + 1);
    EXPECT_EQ(ReadListFile(u"text.lst", &bytes), EFBIG);
}

TEST_F(StorageTest, TheTitleIsTheTitleLineElseTheFileName) {
    Write("a.lst", "##SONGTITLE\r\nMine\r\n\r\n");
    SongListRecord record{};
    EXPECT_EQ(ReadSongListTitle(u"a.lst", &record), 1);
    EXPECT_EQ(std::u16string(record.title), u"Mine");
    EXPECT_EQ(ReadSongListTitle(u"missing.lst", &record), 0);
    EXPECT_EQ(std::u16string(record.title), u"missing.lst");
    EXPECT_EQ(SongListFileExists(u"a.lst"), 1);
    EXPECT_EQ(SongListFileExists(u"missing.lst"), 0);
}

TEST_F(StorageTest, ANewListTakesTheFirstFreeNumber) {
    const std::set<std::u16string> taken = {u"snglst000.lst", u"snglst001.lst", u"snglst003.lst"};
    EXPECT_EQ(
        FreeSongListFileName([&](const std::u16string& name) { return taken.count(name) > 0; }),
        u"snglst002.lst");
    EXPECT_EQ(FreeSongListFileName([](const std::u16string&) { return false; }), u"snglst000.lst");
}

}  // namespace
