// Song-list tests without a window: a data folder of their own (XDG_DATA_HOME in a temporary
// folder) whose files are read and written byte for byte, and the lists found there entered into
// an index over fake views.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "player/model/song_list_index.h"
#include "tests/player/model/ascii_order.h"
#include "tests/player/model/song_list_fakes.h"

class SongListIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tesalo-data-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        setenv("XDG_DATA_HOME", root_.c_str(), 1);
        folder_ = root_ + "/tesalo/";
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    // Enters the lists of the data folder into the index and shows the first.
    void LoadAndShow() {
        ShowIn(lists_, &box_, AsciiOrder);
        index_.Load(root_);
        index_.Show(view_);
    }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ + name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) {
        std::ifstream file(folder_ + name, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::string root_;
    std::string folder_;  // with its trailing '/'
    FakeNameBox box_;
    NameList lists_;
    std::vector<std::u16string> told_;  // what the index told
    SongListIndex index_{lists_, [this](const std::u16string& text) { told_.push_back(text); }};
    FakeRowsView view_;
};
