// The play order: what Play, Previous, Next, the end of a song and a refused song lead to in each
// play mode, over rows that play or fail; and where the playing row stays when rows are deleted.
#include "player/model/play_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const PlayMode kSingle{false, false};
const PlayMode kChain{true, false};
const PlayMode kRepeat{true, true};

struct PlayCase {
    const char* name;
    PlayMode mode;
    const char* rows;  // per row 'P' (its song plays) or 'R' (its file is refused)
    int current;       // the row played last; for Play the focused row
    PlayEvent event;
    const char* tried;    // the rows tried, in order
    const char* outcome;  // "play N", "idle N" (N the current row after), or "-"
    bool told;            // the user is told that no song could be read
};

struct Played {
    std::string tried;
    std::string outcome;
    bool told = false;
};

Played PlayThrough(const PlayCase& c) {
    const std::string states = c.rows;
    const int rows = static_cast<int>(states.size());
    const PlayStep step = NextPlayStep(c.mode, c.event, c.current, rows);
    Played played;
    if (step.kind == PlayStep::kNothing) {
        played.outcome = "-";
    } else if (step.kind == PlayStep::kIdle) {
        played.outcome = "idle " + std::to_string(step.row);
    } else {
        const PlayTry result = TryRows(c.mode, step.row, rows, [&](int row) {
            played.tried += std::to_string(row);
            return states[static_cast<std::size_t>(row)] == 'P';
        });
        played.outcome = (result.started ? "play " : "idle ") + std::to_string(result.current);
        played.told = result.tried && !result.started;
    }
    return played;
}

using E = PlayEvent;
const PlayCase kPlayCases[] = {
    {"play without focus starts row 0", kSingle, "PP", -1, E::kPlay, "0", "play 0", false},
    {"play on the focused row", kSingle, "PPP", 2, E::kPlay, "2", "play 2", false},
    {"play with no rows does nothing", kChain, "", -1, E::kPlay, "", "-", false},
    {"single: a refused row is the only one tried", kSingle, "RP", 0, E::kPlay, "0", "idle 0",
     true},
    {"chain: play skips refused rows", kChain, "RRP", 0, E::kPlay, "012", "play 2", false},
    {"chain: every row refused ends past the last", kChain, "RRR", 1, E::kPlay, "12", "idle 3",
     true},
    {"repeat: play does not go round", kRepeat, "PRR", 1, E::kPlay, "12", "idle 3", true},
    {"single: the end of a song ends playback", kSingle, "PP", 0, E::kSongEnd, "", "idle 0", false},
    {"single: a refusal ends playback", kSingle, "PP", 0, E::kRefused, "", "idle 0", false},
    {"chain: the end plays the next row", kChain, "PPP", 0, E::kSongEnd, "1", "play 1", false},
    {"chain: the end skips refused rows", kChain, "PRP", 0, E::kSongEnd, "12", "play 2", false},
    {"chain: the last row's end ends past it", kChain, "PPP", 2, E::kSongEnd, "", "idle 3", false},
    {"chain: refused rows to the end are told", kChain, "PRR", 0, E::kSongEnd, "12", "idle 3",
     true},
    {"chain: a refusal goes on with the next row", kChain, "PPP", 1, E::kRefused, "2", "play 2",
     false},
    {"repeat: the last row's end plays row 0", kRepeat, "PPP", 2, E::kSongEnd, "0", "play 0",
     false},
    {"repeat: from row 0 refused rows are skipped", kRepeat, "RRP", 2, E::kSongEnd, "012", "play 2",
     false},
    {"repeat: every row refused makes one round", kRepeat, "RRR", 2, E::kSongEnd, "012", "idle 3",
     true},
    {"repeat: a refused last row does not go round", kRepeat, "PPP", 2, E::kRefused, "", "idle 3",
     false},
    {"repeat: refused rows after a row do not go round", kRepeat, "PRR", 0, E::kSongEnd, "12",
     "idle 3", true},
    {"single: next plays the row after", kSingle, "PPP", 0, E::kNext, "1", "play 1", false},
    {"single: next on the last row stops", kSingle, "PP", 1, E::kNext, "", "idle 1", false},
    {"repeat: next on the last row stops", kRepeat, "PP", 1, E::kNext, "", "idle 1", false},
    {"single: previous on the first row stops", kSingle, "PP", 0, E::kPrevious, "", "idle 0",
     false},
    {"repeat: previous on the first row stops", kRepeat, "PP", 0, E::kPrevious, "", "idle 0",
     false},
    {"single: previous onto a refused row", kSingle, "RP", 1, E::kPrevious, "0", "idle 0", true},
    {"chain: previous onto a refused row plays on forward", kChain, "PRP", 2, E::kPrevious, "12",
     "play 2", false},
    {"chain: next onto refused rows to the end", kChain, "PRR", 0, E::kNext, "12", "idle 3", true},
    {"next after another list with fewer rows", kChain, "P", 4, E::kNext, "", "idle 4", false},
    {"previous into a shorter list", kChain, "PP", 2, E::kPrevious, "1", "play 1", false},
    {"next with no rows", kChain, "", 0, E::kNext, "", "idle 0", false},
};

TEST(PlayOrderTest, EventsLeadToTheRowTheOrderGives) {
    for (const PlayCase& c : kPlayCases) {
        const Played played = PlayThrough(c);
        EXPECT_EQ(played.tried, c.tried) << c.name;
        EXPECT_EQ(played.outcome, c.outcome) << c.name;
        EXPECT_EQ(played.told, c.told) << c.name;
    }
}

SongRows Rows(const std::string& titles) {
    std::vector<SongListSong> songs;
    for (char title : titles)
        songs.push_back({1, std::string("/") + title + ".mid", std::u16string(1, title)});
    SongRows rows;
    rows.Assign(songs);
    return rows;
}

std::string Titles(const SongRows& rows) {
    std::string titles;
    for (int row = 0; row < rows.Count(); ++row)
        titles += static_cast<char>(rows.Row(row).title[0]);
    return titles;
}

RowFlags Flags(std::initializer_list<int> chosen, int rows = 5) {
    RowFlags flags(static_cast<std::size_t>(rows));
    for (int row : chosen) flags[static_cast<std::size_t>(row)] = 1;
    return flags;
}

struct DeleteCase {
    const char* name;
    std::initializer_list<int> chosen;
    PlayPosition before;
    bool deleted;
    const char* titles;
    int current;
};

const DeleteCase kDeleteCases[] = {
    {"rows around the playing row", {0, 2, 4}, {true, 3}, true, "BD", 1},
    {"the playing row among them", {0, 1}, {true, 1}, false, "ABCDE", 1},
    {"only the playing row", {3}, {true, 3}, false, "ABCDE", 3},
    {"rows after the playing row", {1, 2, 3, 4}, {true, 0}, true, "A", 0},
    {"every row before the playing last row", {0, 1, 2, 3}, {true, 4}, true, "E", 0},
    {"while idle the current row stays", {0, 1}, {false, 3}, true, "CDE", 3},
    {"while idle the current row may go", {3}, {false, 3}, true, "ABCE", 3},
    {"a song of a list shown before", {0, 1}, {true, 7}, true, "CDE", 5},
    {"every row while idle", {0, 1, 2, 3, 4}, {false, 2}, true, "", 2},
    {"no row", {}, {true, 2}, true, "ABCDE", 2},
};

TEST(PlayOrderTest, DeletingRowsKeepsThePlayingSongCurrent) {
    for (const DeleteCase& c : kDeleteCases) {
        SongRows rows = Rows("ABCDE");
        PlayPosition position = c.before;
        const RowFlags chosen = Flags(c.chosen);
        const bool deleted = DeleteKeepsPlayingRow(rows, chosen, position);
        if (deleted) rows.Remove(chosen);
        EXPECT_EQ(deleted, c.deleted) << c.name;
        EXPECT_EQ(Titles(rows), c.titles) << c.name;
        EXPECT_EQ(position.current, c.current) << c.name;
    }
}

}  // namespace
