#include "player/data/song_list_files.h"

#include <sys/stat.h>

#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "player/data/program_files.h"
#include "player/data/shipped_song_lists.h"
#include "player/data/smf_image.h"
#include "player/data/song_list_folder.h"
#include "player/data/song_list_text.h"
#include "player/data/song_list_view.h"
#include "player/data/string_list.h"
#include "player/data/text_cut.h"

namespace {

// A stray zero byte is damage, not the end of the text: the songs behind it are kept.
bool ReadListText(const char16_t* fileName, std::u16string* text) {
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(SongListPath(fileName), &image, &size)) return false;
    std::string bytes(reinterpret_cast<const char*>(image), size);
    FreeFileImage(image);
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    *text = platform::DecodeSystemText(bytes.data(), bytes.size());
    return true;
}

// A new list has no file until its first save: its name is taken all the same.
bool NameHeldByList(const char16_t* fileName) {
    for (int i = 0; i < songLists.count; ++i) {
        const auto* record = static_cast<const SongListRecord*>(songLists.entries[i].data);
        if (std::u16string_view(record->fileName) == fileName) return true;
    }
    return false;
}

// The records of an earlier index go with it.
void FreeSongListRecords() {
    for (int i = 0; i < songLists.count; ++i) {
        delete static_cast<SongListRecord*>(songLists.entries[i].data);
    }
    Clear(songLists);
}

void AddListFile(const std::string& name) {
    const std::u16string fileName = platform::Utf8ToUtf16(name);
    // A name that is not UTF-8 could not be opened again under its converted form.
    if (platform::Utf16ToUtf8(fileName) != name) return;
    auto* record = new SongListRecord();
    CopyToBuffer(fileName, record->fileName, kSongListFileNameCapacity);
    ReadSongListTitle(record->fileName, record);
    if (Add(songLists, record->title, record) < 0) delete record;
}

}  // namespace

SongListRecord* CurrentSongListRecord() {
    void* data = nullptr;
    return GetCurrentData(songLists, &data) ? static_cast<SongListRecord*>(data) : nullptr;
}

std::string SongListPath(const char16_t* fileName) {
    return ProgramDirectory() + platform::Utf16ToUtf8(fileName);
}

void LoadSongListIndex() {
    FreeSongListRecords();
    const std::string folder = ProgramDirectory();
    InstallShippedSongLists(folder, RunningProgramFolder());
    for (const std::string& name : FindSongListFiles(folder)) AddListFile(name);
    Select(songLists, 0);
}

int ReadSongListTitle(const char16_t* fileName, SongListRecord* record) {
    std::u16string text;
    const bool read = ReadListText(fileName, &text);
    std::u16string title;
    if (!read || !ReadListTitle(text, &title) || title.empty()) title = fileName;
    CopyToBuffer(title, record->title, kSongListTitleCapacity);
    return read ? 1 : 0;
}

int SongListFileExists(const char16_t* fileName) {
    struct stat info;
    return lstat(SongListPath(fileName).c_str(), &info) == 0 ? 1 : 0;
}

void AssignSongListFileName(SongListRecord* record) {
    for (int n = 0;; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "snglst%03d.lst", n);
        const std::u16string fileName(name, name + std::char_traits<char>::length(name));
        if (SongListFileExists(fileName.c_str()) || NameHeldByList(fileName.c_str())) continue;
        CopyToBuffer(fileName, record->fileName, kSongListFileNameCapacity);
        return;
    }
}

int ShowSongList(QTreeWidget* listView) {
    const SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr) return 0;
    listView->clear();
    std::u16string text;
    if (!ReadListText(record->fileName, &text)) return 0;
    for (const SongListSong& song : ReadListSongs(text)) AppendSongRow(listView, song);
    if (listView->topLevelItemCount() > 0) {
        listView->setCurrentItem(listView->topLevelItem(0), 0,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    return 1;
}

int SaveSongList(const QTreeWidget* listView) {
    const SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr) return 0;
    const std::u16string text = WriteListText(record->title, SongRows(listView));
    const std::string bytes = platform::EncodeSystemText(text);
    return platform::ReplaceFileContents(SongListPath(record->fileName), bytes) ? 1 : 0;
}

int SaveUnsavedSongList(const QTreeWidget* listView) {
    (void)listView;
    return 1;
}
