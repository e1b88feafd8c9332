// The window's commands and the library's reports over a fake window, list and library: which
// logic each command reaches in each state, what is saved after it, where the focus goes, and
// which reports end a song.
#include "player/model/window_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "library/tesalo.h"
#include "tests/player/model/fake_play.h"

namespace {

// The window's dialogs answer as told; every call goes to the log.
class FakeCommandWindow final : public CommandWindow {
public:
    explicit FakeCommandWindow(std::vector<std::string>& log) : log_(log) {}

    bool fileDialogAdds = true;
    bool editable = true;
    bool namingDone = true;

    bool RunFileDialog() override { return Note("file dialog", fileDialogAdds); }
    void RunVolumePanel() override { Note("volume panel"); }
    void RunSettingsDialog() override { Note("settings dialog"); }
    void RunSongListMenu() override { Note("song-list menu"); }
    bool NewSongList() override { return Note("new list", namingDone); }
    bool RenameSongList() override { return Note("rename list", namingDone); }
    void DeleteSongList() override { Note("delete list"); }
    bool SongListEditable() override { return editable; }
    void SaveSongList() override { Note("save"); }
    void FocusList() override { Note("focus list"); }
    void DrawReport(std::uintptr_t code, std::intptr_t value) override {
        Note("draw " + std::to_string(code) + " " + std::to_string(value));
    }
    void Close() override { Note("close"); }

private:
    bool Note(const std::string& entry, bool result = true) {
        log_.push_back(entry);
        return result;
    }
    std::vector<std::string>& log_;
};

class WindowCommandsTest : public PlayLogicTest {
protected:
    void Run(int id, std::intptr_t value = 0) { RunCommand(context, window, id, value); }
    void Report(std::uintptr_t code, std::intptr_t value) {
        HandleReport(context, window, code, value);
    }

    FakeCommandWindow window{log};
};

TEST_F(WindowCommandsTest, EnterPlaysWhileIdleAndStopsWhilePlaying) {
    SetRows("PP");
    Run(kCommandPlayOrStop);
    EXPECT_EQ(Log(), "load 0.mid, data set, play, focus list");
    log.clear();
    Run(kCommandPlayOrStop);
    EXPECT_EQ(Log(), "stop, focus list");
    EXPECT_EQ(g_player.pendingAction, kPendingStop);
}

TEST_F(WindowCommandsTest, PlayWhilePlayingDoesNothingButWhilePausedPlaysTheFocusedRow) {
    SetRows("PPP", ".P.");
    PlayingRow(1);
    screen.focused = 2;
    Run(kCommandPlay);
    EXPECT_EQ(Log(), "focus list");
    log.clear();
    g_player.isPaused = true;
    Run(kCommandPlay);
    EXPECT_EQ(Log(), "stop, focus list");
    EXPECT_EQ(g_player.pendingAction, kPendingOpen);
}

TEST_F(WindowCommandsTest, EscapeWhilePlayingStopsFirstAndClosesAtTheSongsEnd) {
    SetRows("PP", "P.");
    PlayingRow(0);
    Run(kCommandClose);
    EXPECT_EQ(Log(), "stop");
    EXPECT_EQ(g_player.pendingAction, kPendingClose);
    log.clear();
    Report(TE_NOTIFY_END, 0);
    EXPECT_EQ(screen.closes, 1);  // the end report posts the Close command
    g_player = PlayerState{};
    log.clear();
    Run(kCommandClose);
    EXPECT_EQ(Log(), "close");
}

TEST_F(WindowCommandsTest, PreviousAndNextMoveTheFocusWhileIdleAndEndTheSongWhilePlaying) {
    SetRows("PPP");
    screen.focused = 1;
    Run(kCommandNext);
    EXPECT_EQ(screen.focused, 2);
    Run(kCommandPrevious);
    Run(kCommandPrevious);
    EXPECT_EQ(screen.focused, 0);
    EXPECT_EQ(Log(), "focus list, focus list, focus list");
    log.clear();
    PlayingRow(1);
    Run(kCommandPrevious);
    EXPECT_EQ(Log(), "stop, focus list");
    EXPECT_EQ(g_player.pendingAction, kPendingPrevious);
}

TEST_F(WindowCommandsTest, RowEditsAreSavedOnlyWhenTheListMayChangeAndSomethingChanged) {
    SetRows("PPP");
    screen.focused = 1;
    screen.selected = {1};
    Run(kCommandMoveUp);
    EXPECT_EQ(screen.rows.Row(0).path, "1.mid");
    EXPECT_EQ(Log(), "save, focus list");
    log.clear();
    window.editable = false;
    Run(kCommandMoveDown);
    Run(kCommandDeleteRows);
    EXPECT_EQ(screen.rows.Row(0).path, "1.mid");
    EXPECT_EQ(Log(), "focus list, focus list");
    log.clear();
    window.editable = true;
    PlayingRow(0);  // the playing row is not deleted
    Run(kCommandDeleteRows);
    EXPECT_EQ(Log(), "message, focus list");
    log.clear();
    g_player = PlayerState{};
    Run(kCommandDeleteRows);
    EXPECT_EQ(Log(), "remove, save, focus list");
    EXPECT_EQ(screen.rows.Count(), 2);
}

TEST_F(WindowCommandsTest, DialogsAndMenusRunAndACancelledNamingKeepsTheFocusWhereItIs) {
    Run(kCommandAddFiles);
    window.fileDialogAdds = false;
    Run(kCommandAddFiles);
    EXPECT_EQ(Log(), "file dialog, save, focus list, file dialog, focus list");
    log.clear();
    for (int id : {kCommandVolume, kCommandSettings, kCommandSongListMenu, kCommandDeleteSongList})
        Run(id);
    EXPECT_EQ(Log(),
              "volume panel, focus list, settings dialog, focus list, song-list menu, focus list, "
              "delete list, focus list");
    log.clear();
    window.namingDone = false;
    Run(kCommandNewSongList);
    Run(kCommandRenameSongList);
    EXPECT_EQ(Log(), "new list, rename list");
    log.clear();
    Run(kCommandCloseButton);
    EXPECT_EQ(screen.closes, 1);
    Run(12345);  // no command of the window
    EXPECT_EQ(Log(), "focus list, focus list");
}

TEST_F(WindowCommandsTest, SeeksCountFromTheSongsTimeAndPauseHoldsTheSong) {
    SetRows("PP", "P.");
    PlayingRow(0);
    g_player.elapsedMs = 10000;
    Run(kCommandSeekBy, 5000);
    EXPECT_EQ(Log(), "pause, stop, focus list");  // held, the stop drops the waiting blocks
    EXPECT_EQ(g_player.seekMs, 15000);
    log.clear();
    Run(kCommandSeekTo, 2000);
    EXPECT_EQ(g_player.seekMs, 2000);
    EXPECT_EQ(Log(), "focus list");  // a seek under way goes there instead
    g_player = PlayerState{};
    PlayingRow(0);
    log.clear();
    Run(kCommandPause);
    EXPECT_EQ(Log(), "pause, focus list");
    EXPECT_TRUE(g_player.isPaused);
}

TEST_F(WindowCommandsTest, TheLibrarysReportsAreDrawnCountedAndEndTheRightSong) {
    SetRows("PP", "P.");
    PlayingRow(0);
    Report(TE_NOTIFY_DURATION, 500);
    Report(TE_NOTIFY_LOAD, 7);
    Report(TE_NOTIFY_POLYPHONY, 3);
    EXPECT_EQ(g_player.elapsedMs, 500);
    EXPECT_EQ(Log(), "draw 5 500, draw 4 7, draw 3 3");
    log.clear();
    // An end before the new song's start report is the song before's.
    g_player.playReportDue = true;
    Report(TE_NOTIFY_END, 0);
    EXPECT_EQ(Log(), "");
    Report(TE_NOTIFY_PLAY, 0);
    EXPECT_FALSE(g_player.playReportDue);
    EXPECT_EQ(g_player.isPlaying, 1);
    Report(TE_NOTIFY_END, 0);
    EXPECT_EQ(g_player.isPlaying, 0);  // single play: the end goes idle
    // A refusal ends the song as refused; while idle it changes nothing.
    Run(kCommandPlay);
    log.clear();
    Report(TE_NOTIFY_PLAY, 1);
    EXPECT_EQ(g_player.isPlaying, 0);
    Report(TE_NOTIFY_PLAY, 1);
    Report(TE_NOTIFY_END, 0);
    EXPECT_EQ(Log(), "");
}

}  // namespace
