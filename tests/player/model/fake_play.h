// A list view, a window and a library for the tests of the play logic and the row commands, with
// no widget, file or library behind them: the screen keeps its rows, focus, selection, caption
// and buttons; both write what the logic asks
// of them, in order, to one log. Each test starts from an idle player.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "player/model/play_context.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/resources/window_ids.h"

class FakeLibrary final : public PlayLibrary {
public:
    explicit FakeLibrary(std::vector<std::string>& log) : log_(log) {}

    std::set<std::string> unplayable;  // paths whose files cannot be played

    bool LoadSong(const std::string& path) override {
        log_.push_back("load " + path);
        return unplayable.count(path) == 0;
    }
    void HandOverSong() override { log_.push_back("data set"); }
    void Play() override { log_.push_back("play"); }
    void PlayFrom(std::uint32_t ms) override { log_.push_back("play from " + std::to_string(ms)); }
    void Stop() override { log_.push_back("stop"); }
    void Pause() override { log_.push_back("pause"); }
    void Resume() override { log_.push_back("resume"); }

private:
    std::vector<std::string>& log_;
};

class FakeScreen final : public ListScreen, public PlayWindow {
public:
    explicit FakeScreen(std::vector<std::string>& log) : log_(log) {}

    SongRows rows;
    int focused = -1;
    std::set<int> selected;
    std::u16string caption = u"Tesalo";
    std::map<int, bool> buttons;  // the buttons the logic set: enabled or not
    std::vector<std::u16string> messages;
    int closes = 0;
    int shown = -1;  // the row scrolled into sight last

    const SongRows& Rows() const override { return rows; }
    void SetMark(int row, RowMark mark) override { rows.SetMark(row, mark); }
    void ResetMarks() override { rows.ResetMarks(); }
    int FocusedRow() const override { return focused; }
    void FocusRow(int row, bool select) override {
        focused = row;
        if (select) selected.insert(row);
    }
    void DeselectRow(int row) override { selected.erase(row); }
    RowFlags SelectedRows() const override {
        RowFlags flags(static_cast<std::size_t>(rows.Count()));
        for (int row : selected) flags[static_cast<std::size_t>(row)] = 1;
        return flags;
    }
    void ClearSelection() override { selected.clear(); }
    void RemoveRows(const RowFlags& chosen) override {
        log_.push_back("remove");
        rows.Remove(chosen);
        selected.clear();
    }
    bool MoveRows(RowFlags& chosen, int step) override {
        if (rows.MoveBlocks(chosen, step).empty()) return false;
        selected.clear();
        for (std::size_t row = 0; row < chosen.size(); ++row)
            if (chosen[row]) selected.insert(static_cast<int>(row));
        return true;
    }
    void ShowRow(int row) override { shown = row; }
    std::u16string Caption() const override { return caption; }
    void SetCaption(const std::u16string& text) override { caption = text; }
    void EnableButton(int id, bool enabled) override { buttons[id] = enabled; }
    void ShowMessage(const std::u16string& text) override {
        log_.push_back("message");
        messages.push_back(text);
    }
    void PostClose() override { ++closes; }

    // Per row '.' normal, 'P' playing or 'R' refused.
    std::string Marks() const {
        std::string marks;
        for (int row = 0; row < rows.Count(); ++row)
            marks += ".PR"[static_cast<int>(rows.Row(row).mark)];
        return marks;
    }
    // "idle", "playing" or "paused" as the buttons stand, "-" before any was set.
    std::string ButtonState() const {
        if (buttons.empty()) return "-";
        const bool play = buttons.at(kCommandPlay);
        const bool stop = buttons.at(kCommandStop);
        const bool edit = buttons.at(kCommandSettings) && buttons.at(kCommandMoveUp) &&
                          buttons.at(kCommandMoveDown) && buttons.at(kCommandDeleteRows);
        if (play && !stop && edit) return "idle";
        if (!play && stop && !edit) return "playing";
        if (play && stop && !edit) return "paused";
        return "mixed";
    }

private:
    std::vector<std::string>& log_;
};

// Rows "Song 0", "Song 1" ... with files "0.mid", "1.mid" ...; per row of states 'P' its file
// plays, 'R' it cannot be played; per row of marks '.', 'P' or 'R' its mark before the test.
class PlayLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSettings_ = g_settings;
        g_player = PlayerState{};
        SetMode(false, false);
    }
    void TearDown() override {
        g_settings = savedSettings_;
        g_player = PlayerState{};
    }

    void SetRows(const std::string& states, const std::string& marks = "") {
        std::vector<SongListSong> songs;
        for (std::size_t row = 0; row < states.size(); ++row) {
            const std::string number = std::to_string(row);
            songs.push_back(
                {0, number + ".mid", u"Song " + std::u16string(number.begin(), number.end())});
            if (states[row] == 'R') library.unplayable.insert(number + ".mid");
        }
        screen.rows.Assign(songs);
        for (std::size_t row = 0; row < marks.size(); ++row) {
            const RowMark mark = marks[row] == 'P'   ? RowMark::kPlaying
                                 : marks[row] == 'R' ? RowMark::kRefused
                                                     : RowMark::kNormal;
            screen.rows.SetMark(static_cast<int>(row), mark);
        }
    }
    void SetMode(bool chain, bool repeat) {
        g_settings.bChainPlay = chain ? 1 : 0;
        g_settings.bAutoRepeat = repeat ? 1 : 0;
    }
    // The player as it stands while the row's song plays: its caption, its mark, the buttons.
    void PlayingRow(int row) {
        g_player.isPlaying = 1;
        g_player.currentSong = row;
        if (screen.rows.Holds(row)) screen.caption = screen.rows.Row(row).title;
        for (int id :
             {kCommandPlay, kCommandSettings, kCommandMoveUp, kCommandMoveDown, kCommandDeleteRows})
            screen.buttons[id] = false;
        screen.buttons[kCommandStop] = true;
    }
    std::string Log() const {
        std::string text;
        for (const std::string& entry : log) text += (text.empty() ? "" : ", ") + entry;
        return text;
    }

    std::vector<std::string> log;
    FakeLibrary library{log};
    FakeScreen screen{log};
    PlayContext context{screen, screen, library};

private:
    PlayerSettings savedSettings_;
};
