// Song-list files: finding them, showing one in the list view and writing it back from the rows.
#include "player/shell/lists/song_list_files.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "tests/player/shell/lists/song_list_fixture.h"

namespace {

const std::string kRockList =
    "##SONGTITLE\r\nRock\r\n\r\n"
    "##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n"
    "##SONGFILE\r\n6005\r\n/music/b.mid\r\n\r\n\r\n";

class FileListTest : public SongListTest {
protected:
    void ShowRock() {
        Write("snglst000.lst", kRockList);
        LoadSongListIndex();
        ShowSongList(&view_);
    }
};

TEST_F(FileListTest, EveryLstFileIsListedUnderItsTitleOrElseItsFileName) {
    Write("snglst000.lst", kRockList);
    Write("other.lst", "##SONGTITLE\r\nBallads\r\n\r\n");
    Write("LOUD.LST", "##SONGTITLE\r\nAnthems\r\n\r\n");
    Write("snglst003.lst", "##SONGFILE\r\n1\r\n/a.mid\r\nA\r\n");
    Write("snglst004.lst", "##SONGTITLE\r\n\r\n");
    Write("notes.txt", "##SONGTITLE\r\nNot a list\r\n\r\n");
    std::filesystem::create_directory(folder_ + "folder.lst");
    LoadSongListIndex();
    EXPECT_EQ(ComboNames(), (std::vector<std::u16string>{u"Anthems", u"Ballads", u"Rock",
                                                         u"snglst003.lst", u"snglst004.lst"}));
    EXPECT_EQ(CurrentFileName(), u"LOUD.LST");  // the first in the combo box's order
}

TEST_F(FileListTest, ShowFillsOneRowPerSongAndFocusesTheFirst) {
    ShowRock();
    ASSERT_EQ(RowCount(&view_), 2);
    EXPECT_EQ(Cell(0, kColumnTitle), u"Alpha");
    EXPECT_EQ(Cell(0, kColumnTime), u"03:07");
    EXPECT_EQ(Cell(0, kColumnFileName), u"/music/a.mid");
    EXPECT_EQ(Cell(1, kColumnTime), u"100:05");
    const QAbstractItemModel* rows = view_.model();
    EXPECT_EQ(rows->index(1, kColumnState).data(kRowOrderRole).toInt(), 1);
    EXPECT_EQ(rows->index(1, kColumnState).data(kPictureRole).toInt(), kPictureNormal);
    EXPECT_EQ(rows->index(1, kColumnTitle).data(kPictureRole).toInt(), kPictureTitleMark);
    EXPECT_EQ(FocusedRow(&view_), 0);
    EXPECT_TRUE(view_.selectionModel()->isRowSelected(0, QModelIndex()));
    EXPECT_FALSE(view_.selectionModel()->isRowSelected(1, QModelIndex()));
}

TEST_F(FileListTest, WithoutCurrentListShowAndSaveLeaveEverythingAsItIs) {
    AppendSongRow(&view_, {1, "/x.mid", u"X"});
    EXPECT_EQ(ShowSongList(&view_), 0);
    EXPECT_EQ(SaveSongList(&view_), 0);
    EXPECT_EQ(RowCount(&view_), 1);
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(FileListTest, SaveWritesTheRowsInUtf8WithTheirSeconds) {
    ShowRock();
    AppendSongRow(&view_, {61, "/music/\xC3\xBC.mid", u"Über"});
    ASSERT_EQ(SaveSongList(&view_), 1);
    EXPECT_EQ(ReadList("snglst000.lst"),
              "##SONGTITLE\r\nRock\r\n\r\n"
              "##SONGFILE\r\n187\r\n/music/a.mid\r\nAlpha\r\n\r\n"
              "##SONGFILE\r\n6005\r\n/music/b.mid\r\n\r\n\r\n"
              "##SONGFILE\r\n61\r\n/music/\xC3\xBC.mid\r\n\xC3\x9C"
              "ber\r\n\r\n");
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst000.lst"});
}

TEST_F(FileListTest, ASaveThatCannotCreateItsFileLeavesTheOldOne) {
    ShowRock();
    ShownRows(&view_)->Assign({});
    // The data folder is a regular file for the moment: nothing can be created in it.
    std::filesystem::rename(folder_, root_ + "/kept");
    std::ofstream(root_ + "/tesalo") << "in the way";
    std::u16string message;
    script_.Then(AnswerMessage(&message));
    EXPECT_EQ(SaveSongList(&view_), 0);
    EXPECT_NE(message.find(u"could not be saved"), std::u16string::npos);
    std::filesystem::remove(root_ + "/tesalo");
    std::filesystem::rename(root_ + "/kept", folder_);
    EXPECT_EQ(ReadList("snglst000.lst"), kRockList);
}

TEST_F(FileListTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
    ShowRock();
    for (int i = 0; i < 40; ++i) AppendSongRow(&view_, {1, "/a/long/path/to/a/song.mid", u"Song"});
    // Files may grow to 512 bytes only: the new text (over 1 KB) stops part way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &small);
    std::u16string message;
    script_.Then(AnswerMessage(&message));
    const int result = SaveSongList(&view_);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(result, 0);
    EXPECT_NE(message.find(u"could not be saved"), std::u16string::npos);
    EXPECT_EQ(ReadList("snglst000.lst"), kRockList);
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"snglst000.lst"});
}

TEST_F(FileListTest, NewFileNamesFillTheGapsAndSkipNamesOfUnsavedLists) {
    Write("snglst000.lst", kRockList);
    Write("snglst002.lst", kRockList);
    SongListRecord first = {};
    AssignSongListFileName(&first);
    EXPECT_EQ(std::u16string(first.fileName), u"snglst001.lst");
    Add(songLists, u"Unsaved", &first);  // no file before its first save, its name still taken
    SongListRecord second = {};
    AssignSongListFileName(&second);
    EXPECT_EQ(std::u16string(second.fileName), u"snglst003.lst");
    Remove(songLists, 0);
}

TEST_F(FileListTest, AStrayZeroByteDoesNotEndTheList) {
    Write("snglst000.lst", std::string("##SONGTITLE\r\nT\r\n\r\n\0\r\n", 20) +
                               "##SONGFILE\r\n5\r\n/b.mid\r\nB\r\n\r\n");
    LoadSongListIndex();
    ASSERT_EQ(ShowSongList(&view_), 1);
    EXPECT_EQ(Cell(0, kColumnFileName), u"/b.mid");
}

}  // namespace
