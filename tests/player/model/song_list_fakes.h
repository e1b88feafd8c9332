// The views of the song lists for the model's tests: a box of names and the rows, each kept in
// a plain container.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "player/model/name_list.h"
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

    SongRows rows;
};
