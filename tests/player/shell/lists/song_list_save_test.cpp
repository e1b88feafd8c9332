// Saving a song list into a folder that other programs can also write: nothing they put there
// redirects or stops the save, a linked list stays linked, and the lists stay the user's own.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kRockList = "##SONGTITLE\r\nRock\r\n\r\n##SONGFILE\r\n187\r\n/a.mid\r\nA\r\n\r\n";
const std::string kRockWithB = kRockList + "##SONGFILE\r\n2\r\n/b.mid\r\nB\r\n\r\n";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned Mode(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A save that blocks is cut short by the alarm (no SA_RESTART: the blocked call fails with
// EINTR), so a hanging save fails its test instead of stopping the run.
class AlarmGuard {
public:
    explicit AlarmGuard(unsigned seconds) {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigaction(SIGALRM, &action, &saved_);
        alarm(seconds);
    }
    ~AlarmGuard() {
        alarm(0);
        sigaction(SIGALRM, &saved_, nullptr);
    }
    AlarmGuard(const AlarmGuard&) = delete;
    AlarmGuard& operator=(const AlarmGuard&) = delete;

private:
    struct sigaction saved_ {};
};

class ListSaveTest : public SongListTest {
protected:
    // Shows the list and adds song B to its rows, unsaved.
    void ShowRockAndAddB() {
        LoadSongListIndex();
        ASSERT_EQ(ShowSongList(&view_), 1);
        AppendSongRow(&view_, {2, "/b.mid", u"B"});
    }
};

TEST_F(ListSaveTest, WhatStandsAtTheTemporaryNameNeitherRedirectsNorStopsTheSave) {
    Write("snglst000.lst", kRockList);
    ShowRockAndAddB();
    const std::string outside = root_ + "/outside.txt";
    std::ofstream(outside) << "another program's file";
    const std::string part = folder_ + "snglst000.lst.part";
    ASSERT_EQ(symlink(outside.c_str(), part.c_str()), 0);
    EXPECT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadFile(outside), "another program's file");
    EXPECT_FALSE(fs::is_symlink(folder_ + "snglst000.lst"));
    EXPECT_EQ(ReadList("snglst000.lst"), kRockWithB);

    fs::remove(part);
    ASSERT_EQ(mkfifo(part.c_str(), 0600), 0);
    {
        AlarmGuard alarm(5);
        EXPECT_EQ(SaveSongList(&view_), 1) << "a FIFO must not hold the save";
    }
    fs::remove(part);
    fs::create_directory(part);
    EXPECT_EQ(SaveSongList(&view_), 1) << "a folder must not fail the save";
    EXPECT_EQ(ReadList("snglst000.lst"), kRockWithB);
}

TEST_F(ListSaveTest, ALinkedListStaysALinkAndTheFileItLeadsToTakesTheRows) {
    fs::create_directories(root_ + "/shared");
    const std::string target = root_ + "/shared/rock.lst";
    std::ofstream(target, std::ios::binary) << kRockList;
    chmod(target.c_str(), 0640);
    ASSERT_EQ(symlink("../shared/rock.lst", (folder_ + "snglst000.lst").c_str()), 0);
    ShowRockAndAddB();
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_TRUE(fs::is_symlink(folder_ + "snglst000.lst"));
    EXPECT_EQ(ReadFile(target), kRockWithB);
    EXPECT_EQ(Mode(target), 0640u) << "a linked file keeps its permissions";
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst000.lst"});
}

// Lists name the user's songs and folders: an older version's open folder and lists become the
// user's alone at the next start and save.
TEST_F(ListSaveTest, TheFolderAndTheSavedListsAreTheUsersAlone) {
    const mode_t savedMask = umask(022);
    chmod(folder_.c_str(), 0755);
    Write("snglst000.lst", kRockList);
    ShowRockAndAddB();
    EXPECT_EQ(Mode(ProgramDirectory()), 0700u);
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(Mode(folder_ + "snglst000.lst"), 0600u);
    fs::remove_all(folder_);
    EXPECT_EQ(Mode(ProgramDirectory()), 0700u) << "a new folder too";
    umask(savedMask);
}

// What saves killed before their rename left goes at start; any other file stays, also one
// that only looks like a leftover but is a link or a folder.
TEST_F(ListSaveTest, OnlyTheLeftoversOfKilledSavesAreRemoved) {
    const std::string outside = root_ + "/outside.txt";
    std::ofstream(outside) << "another program's file";
    for (const char* name :
         {"snglst000.lst", ".snglst000.lst.saving-a1B2c3", ".Mine.LST.saving-Zz9Yy8",
          ".notes.txt.saving-a1B2c3", ".snglst001.lst.saving-a1B2c", "snglst001.lst.part",
          ".snglst001.lst.backup"}) {
        Write(name, "x");
    }
    fs::create_directory(folder_ + ".snglst002.lst.saving-q1W2e3");
    ASSERT_EQ(symlink(outside.c_str(), (folder_ + ".snglst003.lst.saving-q1W2e3").c_str()), 0);
    RemoveStaleSongListFiles(folder_);
    EXPECT_EQ(FolderNames(),
              (std::vector<std::string>{
                  ".notes.txt.saving-a1B2c3", ".snglst001.lst.backup",
                  ".snglst001.lst.saving-a1B2c", ".snglst002.lst.saving-q1W2e3",
                  ".snglst003.lst.saving-q1W2e3", "snglst000.lst", "snglst001.lst.part"}));
    EXPECT_EQ(ReadFile(outside), "another program's file");
}

}  // namespace
