// Files opened from the desktop: handed over the raise channel or given on the command line,
// they arrive in the list "Opened files" (made when missing, reused when there), the first of
// them plays, the ones that cannot be played are named in one message, and what a stranger
// writes to the channel changes nothing.
#include "player/shell/window/opened_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <QComboBox>
#include <QLocalSocket>
#include <QProgressDialog>
#include <QTreeView>

#include "platform/instance.h"
#include "player/model/player_state.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/library_boxes.h"
#include "player/shell/window/raise_server.h"
#include "player/shell/window/single_instance.h"
#include "tests/player/shell/window/window_fixture.h"
#include "tests/support/smf_builder.h"

namespace {

using namespace std::string_literals;

class OpenedFilesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        bool mapFailed = false;
        block_ = platform::CreateInstanceBlock(kInstanceBlockName, kInstanceBlockSize, &mapFailed);
        ASSERT_NE(block_, nullptr);
        const std::uint32_t window = 7;  // the window exists: later starts may hand over
        std::memcpy(block_, &window, sizeof window);
    }
    void TearDown() override {
        platform::CloseInstanceBlock(block_, kInstanceBlockSize);
        platform::RemoveInstanceBlock(kInstanceBlockName);
        WindowTest::TearDown();
    }

    void Listen() {
        ASSERT_NE(
            ListenForRaise(
                window_.get(), [this] { ++raised_; },
                [this](const std::vector<std::string>& files) { OpenFiles(Controls(), files); }),
            nullptr);
    }
    void Open(const std::vector<std::string>& files) { OpenFiles(Controls(), files); }

    QString ListName() const { return Controls().songListCombo->currentText(); }
    std::vector<std::string> RowTitles() const {
        std::vector<std::string> titles;
        for (int row = 0; row < RowCount(View()); ++row) {
            titles.push_back(Cell(row, kColumnTitle).toStdString());
        }
        return titles;
    }
    // The saved file of the current list.
    std::string ListFile() const {
        std::ifstream file(SongListPath(CurrentSongListRecord()->fileName), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    // A file that is no MIDI file at all.
    std::string Text(const std::string& name) {
        const std::string path = folder_ + name;
        std::ofstream(path) << "hello\n";
        return path;
    }
    // A MIDI file whose events all lie at time 0: it plays for no time.
    std::string Silent(const std::string& name) {
        smf::Track track;
        track.Name(0, name.c_str()).End(0);
        const smf::Bytes bytes = smf::File(0, 96, {track});
        const std::string path = folder_ + name + ".mid";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    // A song of `notes` notes, 4 bytes each: big enough, its pre-scan takes a while.
    std::string Long(const std::string& name, int notes) {
        smf::Track track;
        track.Name(0, name.c_str());
        for (int i = 0; i < notes / 2; ++i) track.Event(0, {0x90, 60, 100}).Event(1, {0x80, 60, 0});
        track.End(0);
        return Write(name, smf::File(0, 96, {track}), 0);
    }
    // A playable song behind a hole of zeros that makes the file larger than any MIDI file (the
    // header is looked for anywhere in a file).
    std::string Oversized(const std::string& name) {
        smf::Track track;
        track.Name(0, name.c_str()).Event(0, {0x90, 60, 100}).Event(960, {0x80, 60, 0}).End(0);
        return Write(name, smf::File(0, 96, {track}), 64 << 20);
    }
    std::string Write(const std::string& name, const smf::Bytes& bytes, off_t at) {
        const std::string path = folder_ + name + ".mid";
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        EXPECT_EQ(pwrite(file, bytes.data(), bytes.size(), at), static_cast<ssize_t>(bytes.size()));
        close(file);
        return path;
    }

    void* block_ = nullptr;
    int raised_ = 0;
};

bool Playing() { return g_player.isPlaying == 1; }

TEST_F(OpenedFilesTest, FilesHandedOverArriveInANewListThatIsSavedAndTheFirstPlays) {
    ShowList({{"Old", Song("old")}});
    Listen();
    const std::string first = Song("first", 16), second = Song("second", 16);
    ASSERT_TRUE(HandOverToRunningPlayer({first, second}));
    ASSERT_TRUE(PlayUntil(Playing));
    EXPECT_EQ(raised_, 0);  // opening brings the window forward itself
    EXPECT_EQ(Count(songLists), 2);
    EXPECT_EQ(ListName(), "Opened files");
    EXPECT_EQ(RowTitles(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(g_player.currentSong, 0);
    EXPECT_EQ(Caption(), "first");
    EXPECT_EQ(FocusedRow(View()), 0);
    const std::string saved = ListFile();
    EXPECT_NE(saved.find("##SONGTITLE\r\nOpened files\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find(first), std::string::npos);
    EXPECT_NE(saved.find(second), std::string::npos);
    // The list is found again by a later start.
    LoadSongListIndex();
    EXPECT_EQ(Count(songLists), 2);
}

TEST_F(OpenedFilesTest, FilesHandedToAMinimizedWindowRestoreItAndMakeItActive) {
    ShowList({{"Old", Song("old")}});
    Listen();
    window_->showMinimized();
    DeliverReports();
    ASSERT_TRUE(window_->isMinimized());
    ASSERT_TRUE(HandOverToRunningPlayer({Song("song", 16)}));
    ASSERT_TRUE(PlayUntil(Playing));
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_TRUE(PlayUntil([this] { return window_->isActiveWindow(); }));
}

TEST_F(OpenedFilesTest, TheListOnDiskIsReusedAndAFileItHoldsPlaysWithoutASecondRow) {
    const std::string kept = Song("kept", 16), added = Song("added", 16);
    ShowList({{"kept", kept}}, "Opened files", "snglst004.lst");
    Open({added});
    ASSERT_TRUE(Playing());
    EXPECT_EQ(Count(songLists), 1);
    EXPECT_EQ(std::u16string(CurrentSongListRecord()->fileName), u"snglst004.lst");
    EXPECT_EQ(RowTitles(), (std::vector<std::string>{"kept", "added"}));
    EXPECT_EQ(Caption(), "added");
    // Opened again while "added" plays: nothing is added, the playing song stops and "kept" plays.
    Open({kept, folder_ + "./added.mid"});
    ASSERT_TRUE(PlayUntil([] { return Playing() && g_player.currentSong == 0; }));
    EXPECT_EQ(RowTitles(), (std::vector<std::string>{"kept", "added"}));
    EXPECT_EQ(Caption(), "kept");
    EXPECT_EQ(Picture(0), kPicturePlaying);
    EXPECT_EQ(Picture(1), kPictureNormal);
}

TEST_F(OpenedFilesTest, FilesThatCannotBePlayedAreNamedInOneMessageAndTheOthersPlay) {
    ShowList({{"Old", Song("old")}});
    const std::vector<std::string> bad = {Missing("gone"), Text("words.mid"), Silent("silent")};
    const std::string good = Song("good", 16);
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));  // one box; a second would count as unexpected
    InstallLibraryBoxes();                // as the player runs: a box of the pre-scan would show
    Open({bad[0], bad[1], good, bad[2]});
    RemoveLibraryBoxes();
    EXPECT_EQ(script_.Pending(), 0u);
    const std::string expected = "These files cannot be played and were not added:\n" + bad[0] +
                                 "\n" + bad[1] + "\n" + bad[2];
    EXPECT_EQ(QString::fromStdU16String(shown).toStdString(), expected);
    EXPECT_EQ(ListName(), "Opened files");
    EXPECT_EQ(RowTitles(), std::vector<std::string>{"good"});
    EXPECT_TRUE(Playing());
}

TEST_F(OpenedFilesTest, AFileLargerThanAnyMidiFileIsNamedAndNotAdded) {
    ShowList({{"Old", Song("old")}});
    const std::string big = Oversized("big"), good = Song("good", 16);
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    Open({big, good});
    EXPECT_EQ(QString::fromStdU16String(shown).toStdString(),
              "These files cannot be played and were not added:\n" + big);
    EXPECT_EQ(RowTitles(), std::vector<std::string>{"good"});
    EXPECT_TRUE(Playing());
}

// The pre-scan runs aside: the window goes on with its events (the script's timer among them),
// a long scan shows its progress in a dialog in front, and the rows keep the files' order.
TEST_F(OpenedFilesTest, ALongPreScanLeavesTheWindowItsEventsAndShowsItsProgress) {
    ShowList({{"Old", Song("old")}});
    const std::string good = Song("good", 16), slow = Long("slow", 1000000);
    bool progressDuringScan = false;
    script_.ThenProgress([&progressDuringScan](QWidget* dialog) {
        progressDuringScan =
            qobject_cast<QProgressDialog*>(dialog) != nullptr && Count(songLists) == 1;
    });
    Open({good, slow});
    EXPECT_TRUE(progressDuringScan);
    EXPECT_EQ(script_.Pending(), 0u);
    EXPECT_EQ(RowTitles(), (std::vector<std::string>{"good", "slow"}));
    EXPECT_EQ(Caption(), "good");
}

TEST_F(OpenedFilesTest, WhenNoFilePlaysNoListIsMadeAndTheShownOneStays) {
    ShowList({{"Old", Song("old")}});
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i) many.push_back(Missing("m" + std::to_string(i)));
    Open(many);
    EXPECT_EQ(QString::fromStdU16String(shown).count('\n'), 11);  // ten names and the rest counted
    EXPECT_TRUE(shown.ends_with(u"\nand 2 more"));
    EXPECT_EQ(Count(songLists), 1);
    EXPECT_EQ(ListName(), "Songs");
    EXPECT_EQ(RowTitles(), std::vector<std::string>{"Old"});
    EXPECT_FALSE(Playing());
}

TEST_F(OpenedFilesTest, FilesWaitWhileADialogInFrontWorksOnTheLists) {
    ShowList({{"Old", Song("old")}});
    const std::string song = Song("song", 16);
    int listsWhileNaming = -1;
    script_.Then([this, song, &listsWhileNaming](QWidget* dialog) {
        Open({song});
        listsWhileNaming = Count(songLists);
        CancelDialog()(dialog);
    });
    Command(kCommandNewSongList);  // the naming dialog of a new list
    EXPECT_EQ(listsWhileNaming, 1);
    ASSERT_TRUE(PlayUntil(Playing));
    EXPECT_EQ(ListName(), "Opened files");
    EXPECT_EQ(RowTitles(), std::vector<std::string>{"song"});
}

TEST_F(OpenedFilesTest, WhatAStrangerWritesToTheChannelChangesNothing) {
    ShowList({{"Old", Song("old")}});
    Listen();
    const std::string song = Song("song", 16);
    QLocalSocket stranger;
    stranger.connectToServer(RaiseChannelName());
    ASSERT_TRUE(stranger.waitForConnected(2000));
    // Names that are not absolute, then a name without its end: passed over.
    const std::string ignored =
        "open 1 9\nsong.mid\0"s + "open 1 " + std::to_string(song.size()) + "\n" + song;
    stranger.write(ignored.data(), static_cast<qint64>(ignored.size()));
    stranger.waitForBytesWritten(2000);
    DeliverReports();
    EXPECT_EQ(Count(songLists), 1);
    // A length that cannot be read: the stranger is cut off.
    stranger.write("open 1 many\n");
    stranger.waitForBytesWritten(2000);
    ASSERT_TRUE(
        PlayUntil([&stranger] { return stranger.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(Count(songLists), 1);
    EXPECT_EQ(RowTitles(), std::vector<std::string>{"Old"});
    EXPECT_FALSE(Playing());
    // The channel still serves the next start.
    ASSERT_TRUE(HandOverToRunningPlayer({song}));
    ASSERT_TRUE(PlayUntil(Playing));
    EXPECT_EQ(ListName(), "Opened files");
}

}  // namespace
