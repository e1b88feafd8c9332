// The views of the song lists for the model's tests: a box of names, the rows and the dialogs,
// each kept in a plain container.
#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "player/model/name_list.h"
#include "player/model/song_list_changes.h"
#include "player/model/song_list_index.h"

// A box that shows what it is told, and takes at most room names.
class FakeNameBox : public NameBox {
public:
    bool HasRoom() const override { return static_cast<int>(names.size()) < room; }
    void Insert(int place, std::u16string_view name) override {
        names.insert(names.begin() + place, std::u16string(name));
    }
    void Remove(int place) override { names.erase(names.begin() + place); }
    void Select(int place) override { selected = place; }
    int Selected() const override { return selected; }
    void Clear() override {
        names.clear();
        selected = -1;
    }

    std::vector<std::u16string> names;
    int selected = -1;
    int room = 100;
};

// The rows as a list view would hold them.
class FakeRowsView : public SongRowsView {
public:
    const SongRows& Rows() const override { return rows; }
    void Show(const std::vector<SongListSong>& songs) override { rows.Assign(songs); }
    void Append(const std::vector<SongListSong>& songs) override { rows.Append(songs); }

    SongRows rows;
};

// Gives the names it was handed, one per question, then cancels; notes what it is told.
class ScriptedDialogs : public SongListDialogs {
public:
    bool AskName(const std::u16string& /*caption*/, const std::u16string& /*prompt*/, int limit,
                 char16_t* name) override {
        ++asked;
        if (names.empty()) return false;
        const std::u16string next = names.front().substr(0, static_cast<std::size_t>(limit - 1));
        names.pop_front();
        std::copy(next.begin(), next.end(), name);
        name[next.size()] = u'\0';
        return true;
    }
    void Tell(const std::u16string& text) override { told.push_back(text); }
    bool Confirm(const std::u16string& /*question*/) override { return true; }

    std::deque<std::u16string> names;
    std::vector<std::u16string> told;
    int asked = 0;
};
