// A data folder of the test's own: XDG_DATA_HOME in a temporary folder, whose "tesalo" folder
// the song lists are read from and written to byte for byte.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class DataFolderTest : public ::testing::Test {
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

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ + name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) {
        std::ifstream file(folder_ + name, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    // As Read, "(missing)" when the file cannot be opened.
    std::string ReadList(const std::string& name) {
        if (!std::ifstream(folder_ + name, std::ios::binary)) return "(missing)";
        return Read(name);
    }
    // The names of the data folder, sorted.
    std::vector<std::string> FolderNames() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string root_;
    std::string folder_;  // with its trailing '/'
};
