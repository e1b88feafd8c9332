#include "tests/player/shell/lists/song_list_fixture.h"

#include "platform/codepage.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"

void SongListTest::SetUp() {
    DataFolderTest::SetUp();
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
    DataFolderTest::TearDown();
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
