// What the player survives: a full disk while it writes a song list, a list file deleted while
// shown, songs that vanish or break after they were listed, and a device that refuses a block
// in the middle of a song. Each time nothing is lost and the window goes on playing.
#include <filesystem>

#include "library/tesalo.h"
#include "platform/waveout.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/song_list_folder.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/library_boxes.h"
#include "player/shell/window/library_start.h"
#include "tests/doubles/waveout_null.h"
#include "tests/platform/registry_support.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

namespace fs = std::filesystem;
using registrytest::FullDisk;
using registrytest::ReadText;

bool Idle() { return g_player.isPlaying == 0; }

class FaultTest : public WindowTest {
protected:
    std::string ListPath() const { return ProgramDirectory() + "snglst000.lst"; }
    // Plays the row to its end, answering no message.
    void PlayToTheEnd(int row) {
        Focus(row);
        Command(kCommandPlay);
        ASSERT_EQ(g_player.isPlaying, 1);
        ASSERT_TRUE(PlayUntil(Idle));
    }
};

// The new list text does not fit: the file keeps its old text, the rows show the edit, and the
// songs still play; the next save with room writes the edited rows.
TEST_F(FaultTest, AFullDiskWhileSavingTheListKeepsTheOldFileAndThePlayerPlays) {
    ShowList({{"A", Song("a")}, {"B", Song("b")}, {"C", Song("c")}});
    const std::string old = ReadText(ListPath());
    Focus(2);
    std::u16string message;
    script_.Then(AnswerMessage(&message));
    {
        FullDisk disk(old.size() / 3);
        Command(kCommandDeleteRows);
    }
    EXPECT_EQ(ReadText(ListPath()), old);
    EXPECT_NE(message.find(u"could not be saved"), std::u16string::npos);
    EXPECT_EQ(RowCount(View()), 2);
    for (const auto& entry : fs::directory_iterator(ProgramDirectory())) {
        EXPECT_EQ(entry.path().extension(), ".lst") << entry.path() << ": a file left behind";
    }
    PlayToTheEnd(1);
    Focus(0);
    Command(
        kCommandMoveDown);  // moves A below B, with room again: the earlier change is written too
    EXPECT_NE(ReadText(ListPath()), old);
    EXPECT_LT(ReadText(ListPath()).find("b.mid"), ReadText(ListPath()).find("a.mid"));
    EXPECT_EQ(ReadText(ListPath()).find("c.mid"), std::string::npos);
}

// Someone deletes the shown list's file: the rows stay and play, and the next edit writes them
// back into a file of that name.
TEST_F(FaultTest, AListFileDeletedWhileShownIsWrittenAgainByTheNextEdit) {
    ShowList({{"A", Song("a")}, {"B", Song("b")}});
    ASSERT_TRUE(fs::remove(ListPath()));
    PlayToTheEnd(0);
    EXPECT_EQ(RowCount(View()), 2);
    Focus(0);
    Command(kCommandMoveDown);
    const std::string written = ReadText(ListPath());
    EXPECT_NE(written.find("##SONGTITLE\r\nSongs\r\n"), std::string::npos) << written;
    EXPECT_LT(written.find("b.mid"), written.find("a.mid")) << written;
}

// Listed (and timed) while whole, then deleted, emptied or cut before Play. Deleted, the row
// fails with the load message; emptied, the preparation says why first; cut after the header,
// it passes the preparation and the library refuses it without a word. Each time the player
// stays idle and plays the next song.
TEST_F(FaultTest, SongsThatVanishOrBreakAfterTheyWereListedFailOnPlay) {
    ShowList({{"Gone", Song("gone")},
              {"Empty", Song("empty")},
              {"Cut", Song("cut", 8)},
              {"Whole", Song("whole")}});
    fs::remove(folder_ + "gone.mid");
    fs::resize_file(folder_ + "empty.mid", 0);
    fs::resize_file(folder_ + "cut.mid", 20);  // the header and half a track header
    InstallLibraryBoxes();
    const std::u16string loadFailed = u"SMFファイルの読み込みに失敗しました";
    const std::u16string rejected =
        u"SMFﾌｧｲﾙをﾛｰﾄﾞできませんでした\n認識できない形式か,ﾌｧｲﾙが壊れています";
    const std::vector<std::vector<std::u16string>> expected = {
        {loadFailed}, {rejected, loadFailed}, {}};
    for (int row = 0; row < 3; ++row) {
        std::vector<std::u16string> shown(expected[row].size());
        for (std::u16string& text : shown) script_.Then(AnswerMessage(&text));
        Focus(row);
        Command(kCommandPlay);
        DeliverReports();
        EXPECT_EQ(shown, expected[row]) << row;
        EXPECT_EQ(Picture(row), row < 2 ? kPictureFailed : kPictureNormal) << row;
        EXPECT_EQ(g_player.isPlaying, 0) << row;
        EXPECT_TRUE(ButtonEnabled(kCommandPlay)) << row;
    }
    PlayToTheEnd(3);
    RemoveLibraryBoxes();
}

// The device takes the first blocks and refuses a later one: the library's message, code 6 with
// value 1, the window idle again (chain play or not); the next Play plays the song from its
// start.
TEST_F(FaultTest, ABlockRefusedInTheMiddleOfASongReturnsThePlayerToIdle) {
    ShowList({{"Long", Song("long", 40)}, {"Next", Song("next")}});
    g_settings.bChainPlay = 0;
    InstallLibraryBoxes();
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    Focus(0);
    Command(kCommandPlay);
    DeliverReports();
    ASSERT_EQ(g_player.isPlaying, 1);
    platform::WaveOutNullFailWrites(1);
    ASSERT_TRUE(PlayUntil(Idle));
    EXPECT_EQ(shown, u"DataBlock cannot be transmitted to waveFormOutDevice.");
    EXPECT_EQ(Picture(0), kPictureNormal);
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
    EXPECT_FALSE(ButtonEnabled(kCommandStop));
    // Nothing of the refused song is rendered after its end.
    ASSERT_TRUE(PlayUntil([] { return platform::WaveOutNullPending() == 0; }));
    DeliverReports();
    EXPECT_EQ(g_player.isPlaying, 0);
    PlayToTheEnd(0);
    RemoveLibraryBoxes();
}

// No device opens (none there, or all taken): the start fails with its message and stores the
// format every device takes, the window stays, and a start with a device back plays.
TEST_F(FaultTest, ADeviceThatRefusesToOpenFailsTheStartAndTheNextStartPlays) {
    TeCleanUp();
    platform::WaveOutNullDevices({});
    g_settings.waveQuality = 3;
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    EXPECT_EQ(StartLibrary(Controls().bridge), 0);
    EXPECT_EQ(shown, u"PCM Audioを初期化できません\n起動に失敗しました");
    EXPECT_EQ(g_settings.waveQuality, 0);
    platform::WaveOutNullDevices({platform::kFormatMono22k8 | platform::kFormatMono22k16 |
                                  platform::kFormatMono44k8 | platform::kFormatMono44k16});
    ShowList({{"A", Song("a")}});
    EXPECT_EQ(StartLibrary(Controls().bridge), 1);
    PlayToTheEnd(0);
}

}  // namespace
