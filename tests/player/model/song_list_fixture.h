// Song-list tests without a window: the lists of a data folder of their own entered into an
// index over fake views.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/model/song_list_index.h"
#include "tests/player/model/ascii_order.h"
#include "tests/player/model/data_folder_fixture.h"
#include "tests/player/model/song_list_fakes.h"

class SongListIndexTest : public DataFolderTest {
protected:
    // Enters the lists of the data folder into the index and shows the first.
    void LoadAndShow() {
        ShowIn(lists_, &box_, AsciiOrder);
        index_.Load(root_);
        index_.Show(view_);
    }

    FakeNameBox box_;
    NameList lists_;
    std::vector<std::u16string> told_;  // what the index told
    SongListIndex index_{lists_, [this](const std::u16string& text) { told_.push_back(text); }};
    FakeRowsView view_;
};
