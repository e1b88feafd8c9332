// The play logic over a fake window and library: what Play, Stop, Previous, Next, the end of a
// song and a refused song do to the caption, the row marks, the focus and the buttons, and which
// library calls they make in which order. Which row plays next is the play order's
// (play_order_test.cpp); these cases look at what the logic does around it.
#include "player/model/play_control.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <string>

#include "tests/player/model/fake_play.h"

namespace {

enum class Event { kPlay, kEnd, kRefused, kNext, kPrevious, kStop };

struct PlayCase {
    const char* name;
    bool chain;
    bool repeat;
    const char* rows;   // per row 'P' (its file plays) or 'R' (it cannot be played)
    const char* marks;  // the marks before: '.', 'P' or 'R'
    int current;        // Play: the focused row (-1: none); else the row that plays, focused
    Event event;
    bool paused;        // the song that plays is paused
    const char* calls;  // what the library and the message box were asked, in order
    const char* marksAfter;
    const char* caption;
    const char* buttons;  // FakeScreen::ButtonState
    int playing;          // g_player.isPlaying after
    int currentAfter;
    int focusAfter;
    const char* selectedAfter;  // the selected rows
};

const PlayCase kCases[] = {
    {"play without focus focuses row 0 unselected", false, false, "PP", "..", -1, Event::kPlay,
     false, "load 0.mid, data set, play", "P.", "Song 0", "playing", 1, 0, 0, ""},
    {"play with no rows changes nothing", true, true, "", "", -1, Event::kPlay, false, "", "",
     "Tesalo", "-", 0, 0, -1, ""},
    {"single: a row that cannot be played is marked and told", false, false, "PR", "..", 1,
     Event::kPlay, false, "load 1.mid, message", ".R", "Song 1", "-", 0, 1, 1, ""},
    {"chain: play marks the refused rows it passes", true, false, "RRP", "...", 0, Event::kPlay,
     false, "load 0.mid, load 1.mid, load 2.mid, data set, play", "RRP", "Song 2", "playing", 1, 2,
     0, ""},
    {"chain: an end moves the mark past a refused row", true, false, "PRP", "P..", 0, Event::kEnd,
     false, "load 1.mid, load 2.mid, data set, play", ".RP", "Song 2", "playing", 1, 2, 0, "0"},
    {"chain: the last row's end goes idle", true, false, "PPP", "..P", 2, Event::kEnd, false, "",
     "...", "Tesalo", "idle", 0, 3, 2, "2"},
    {"repeat: the last row's end plays row 0, the focus stays", true, true, "PPP", "..P", 2,
     Event::kEnd, false, "load 0.mid, data set, play", "P..", "Song 0", "playing", 1, 0, 2, "2"},
    {"repeat: a round of refused rows is told and its marks cleared", true, true, "RRR", "..P", 2,
     Event::kEnd, false, "load 0.mid, load 1.mid, load 2.mid, message", "...", "Tesalo", "idle", 0,
     3, 2, "2"},
    {"repeat: a refused last row goes idle", true, true, "PPP", "..P", 2, Event::kRefused, false,
     "", "...", "Tesalo", "idle", 0, 3, 2, "2"},
    {"chain: a refusal plays the next row", true, false, "PPP", ".P.", 1, Event::kRefused, false,
     "load 2.mid, data set, play", "..P", "Song 2", "playing", 1, 2, 1, "1"},
    {"next moves focus and selection to the row it plays", true, false, "PPP", ".P.", 1,
     Event::kNext, false, "stop, load 2.mid, data set, play", "..P", "Song 2", "playing", 1, 2, 2,
     "2"},
    {"next on the last row goes idle", false, false, "PP", ".P", 1, Event::kNext, false, "stop",
     "..", "Tesalo", "idle", 0, 1, 1, "1"},
    {"previous on the first row goes idle", true, true, "PP", "P.", 0, Event::kPrevious, false,
     "stop", "..", "Tesalo", "idle", 0, 0, 0, "0"},
    {"single: previous onto a refused row is told and goes idle", false, false, "RP", ".P", 1,
     Event::kPrevious, false, "stop, load 0.mid, message", "..", "Tesalo", "idle", 0, 0, 0, "0"},
    {"chain: previous onto a refused row plays on from it", true, false, "PRP", "..P", 2,
     Event::kPrevious, false, "stop, load 1.mid, load 2.mid, data set, play", ".RP", "Song 2",
     "playing", 1, 2, 1, "1"},
    {"previous past a shorter list shown since plays its last row", true, false, "PPP", "...", 3,
     Event::kPrevious, false, "stop, load 2.mid, data set, play", "..P", "Song 2", "playing", 1, 2,
     2, "2"},
    {"next while paused lets the pause go before the song is handed over", true, false, "PPP",
     ".P.", 1, Event::kNext, true, "stop, load 2.mid, resume, data set, play", "..P", "Song 2",
     "playing", 1, 2, 2, "2"},
    {"stop while paused lets the pause go", false, false, "PP", "P.", 0, Event::kStop, true,
     "stop, resume", "..", "Tesalo", "idle", 0, 0, 0, "0"},
};

std::string Selected(const FakeScreen& screen) {
    std::string rows;
    for (int row : screen.selected) rows += (rows.empty() ? "" : " ") + std::to_string(row);
    return rows;
}

class PlayLogicCaseTest : public PlayLogicTest, public ::testing::WithParamInterface<PlayCase> {
protected:
    // Previous, Next and Stop stop the song first; its end report carries them out.
    void Run(const PlayCase& c) {
        if (c.event == Event::kPlay) {
            screen.focused = c.current;
            return PlayCommand(context);
        }
        PlayingRow(c.current);
        g_player.isPaused = c.paused;
        if (screen.rows.Holds(c.current)) {
            screen.focused = c.current;
            screen.selected = {c.current};
        }
        if (c.event == Event::kNext) StopFor(library, kPendingNext);
        if (c.event == Event::kPrevious) StopFor(library, kPendingPrevious);
        if (c.event == Event::kStop) StopFor(library, kPendingStop);
        EndOfPlayback(context, c.event == Event::kRefused);
    }
};

TEST_P(PlayLogicCaseTest, Case) {
    const PlayCase& c = GetParam();
    SetMode(c.chain, c.repeat);
    SetRows(c.rows, c.marks);
    Run(c);
    EXPECT_EQ(Log(), c.calls);
    EXPECT_EQ(screen.Marks(), c.marksAfter);
    EXPECT_EQ(screen.caption, std::u16string(c.caption, c.caption + std::strlen(c.caption)));
    EXPECT_EQ(screen.ButtonState(), c.buttons);
    EXPECT_EQ(g_player.isPlaying, c.playing);
    EXPECT_EQ(g_player.currentSong, c.currentAfter);
    EXPECT_EQ(screen.focused, c.focusAfter);
    EXPECT_EQ(Selected(screen), c.selectedAfter);
    EXPECT_EQ(g_player.pendingAction, kPendingNone);
    EXPECT_FALSE(g_player.isPaused);
}

// A case prints as its name: the test's own name already says it, and a failure shows the values.
void PrintTo(const PlayCase& c, std::ostream* out) { *out << c.name; }

std::string CaseName(const ::testing::TestParamInfo<PlayCase>& info) {
    std::string name;
    for (const char* p = info.param.name; *p != '\0'; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(PlayLogic, PlayLogicCaseTest, ::testing::ValuesIn(kCases), CaseName);

using PlayLogicEventTest = PlayLogicTest;

TEST_F(PlayLogicEventTest, NoRowPlayedTellsTheUserOnceInTheirWords) {
    SetMode(true, false);
    SetRows("RR");
    PlayCommand(context);
    ASSERT_EQ(screen.messages.size(), 1U);
    EXPECT_EQ(screen.messages[0], u"SMFファイルの読み込みに失敗しました");
}

TEST_F(PlayLogicEventTest, StartingASongAwaitsItsStartReport) {
    SetRows("P");
    g_player.elapsedMs = 1234;
    PlayCommand(context);
    EXPECT_TRUE(g_player.playReportDue);
    EXPECT_EQ(g_player.elapsedMs, 0);
}

TEST_F(PlayLogicEventTest, TheCaptionHoldsAtMost260UnitsOfTheTitle) {
    screen.rows.Assign({{0, "long.mid", std::u16string(300, u'x')}});
    PlayCommand(context);
    EXPECT_EQ(screen.caption, std::u16string(260, u'x'));
}

TEST_F(PlayLogicEventTest, CloseAfterTheStopPostsCloseAndKeepsTheRest) {
    SetRows("PP", "P.");
    PlayingRow(0);
    g_player.isPaused = true;
    StopFor(library, kPendingClose);
    EndOfPlayback(context, false);
    EXPECT_EQ(Log(), "stop, resume");
    EXPECT_EQ(screen.closes, 1);
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_EQ(screen.Marks(), "P.");
    EXPECT_EQ(screen.ButtonState(), "playing");
    EXPECT_EQ(screen.caption, u"Song 0");
}

TEST_F(PlayLogicEventTest, PlayingAnotherFocusedRowStopsFirstThenPlaysIt) {
    SetRows("PPP", "P..");
    PlayingRow(0);
    screen.focused = 2;
    PlayFocusedRow(context);
    EXPECT_EQ(Log(), "stop");
    EXPECT_EQ(g_player.pendingAction, kPendingOpen);
    EndOfPlayback(context, false);
    EXPECT_EQ(Log(), "stop, load 2.mid, data set, play");
    EXPECT_EQ(screen.Marks(), "..P");
    EXPECT_EQ(g_player.currentSong, 2);
}

TEST_F(PlayLogicEventTest, AnOpenedFileThatCannotBePlayedEndsIdle) {
    SetRows("PR", "P.");
    PlayingRow(0);
    screen.focused = 1;
    PlayFocusedRow(context);
    EndOfPlayback(context, false);
    EXPECT_EQ(Log(), "stop, load 1.mid, message");
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_EQ(screen.ButtonState(), "idle");
    EXPECT_EQ(screen.Marks(), "..");
}

TEST_F(PlayLogicEventTest, ARefusalWhileASeekStopsGoesOnAsARefusal) {
    SetMode(true, false);
    SetRows("PPP", ".P.");
    PlayingRow(1);
    g_player.pendingAction = kPendingSeek;
    EndOfPlayback(context, true);
    EXPECT_EQ(Log(), "load 2.mid, data set, play");
    EXPECT_EQ(g_player.currentSong, 2);
}

}  // namespace
