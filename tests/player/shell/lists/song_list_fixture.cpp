#include "tests/player/shell/lists/song_list_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/codepage.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"

void SongListTest::SetUp() {
    char pattern[] = "/tmp/tesalo-lists-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
    folder_ = root_ + "/tesalo/";
    std::filesystem::create_directories(folder_);
    Bind(songLists, &window_, &combo_);
    SetupSongListView(&view_, 160, 40);
}

void SongListTest::TearDown() {
    for (int i = 0; i < songLists.count; ++i) {
        auto* record = static_cast<SongListRecord*>(songLists.entries[i].data);
        ForgetShownSongList(record);
        delete record;
    }
    Clear(songLists);
    Bind(songLists, nullptr, nullptr);
    std::filesystem::remove_all(root_);
}

void SongListTest::WriteList(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ + name, std::ios::binary) << bytes;
}

std::string SongListTest::ReadList(const std::string& name) {
    std::ifstream file(folder_ + name, std::ios::binary);
    if (!file) return "(missing)";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<std::string> SongListTest::FolderNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::u16string> SongListTest::ComboNames() {
    std::vector<std::u16string> names;
    for (int i = 0; i < combo_.count(); ++i) names.push_back(combo_.itemText(i).toStdU16String());
    return names;
}

std::u16string SongListTest::CurrentFileName() {
    void* data = nullptr;
    if (!GetCurrentData(songLists, &data)) return u"(no current list)";
    return static_cast<SongListRecord*>(data)->fileName;
}

std::u16string SongListTest::Cell(int row, int column) {
    if (row < 0 || row >= RowCount(&view_)) return u"(no row)";
    return view_.model()->index(row, column).data().toString().toStdU16String();
}

std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(std::u16string(text)); }
