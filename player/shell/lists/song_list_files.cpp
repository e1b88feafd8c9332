#include "player/shell/lists/song_list_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

#include <QItemSelectionModel>
#include <QTreeView>

#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "player/model/settings.h"
#include "player/model/song_list_text.h"
#include "player/model/text_cut.h"
#include "player/shell/lists/shipped_song_lists.h"
#include "player/shell/lists/song_list_folder.h"
#include "player/shell/lists/song_list_notices.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "voiceset/program_files.h"

namespace {

// A song list has no business being larger; a bigger file is not taken for one.
constexpr off_t kMaxListBytes = 64 << 20;

// What the player knows of the list the view shows.
struct ShownList {
    const SongListRecord* record = nullptr;
    bool refused = false;      // its file could not be read as a list: it is never written over
    bool unsaved = false;      // the rows hold a change that the file does not
    bool failureTold = false;  // the user knows that saving it fails
};
ShownList g_shown;

int ReadOpenList(int file, std::string* bytes) {
    struct stat info;
    if (fstat(file, &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return kNotASongList;
    if (info.st_size > kMaxListBytes) return EFBIG;
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(file, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        if (bytes->size() + static_cast<std::size_t>(got) >
            static_cast<std::size_t>(kMaxListBytes)) {
            return EFBIG;
        }
        bytes->append(chunk, static_cast<std::size_t>(got));
    }
}

// 0 with the file's bytes, else why it cannot be taken: an errno (ENOENT for a list that has
// no file yet) or kNotASongList. A FIFO in the file's place must not hang the player.
int ReadListFile(const char16_t* fileName, std::string* bytes) {
    bytes->clear();
    const int file = open(SongListPath(fileName).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return errno;
    int problem = ReadOpenList(file, bytes);
    close(file);
    // A stray zero byte is damage, not the end of the text: the songs behind it are kept.
    bytes->erase(std::remove(bytes->begin(), bytes->end(), '\0'), bytes->end());
    if (problem == 0 && !HoldsSongList(*bytes)) problem = kNotASongList;
    return problem;
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
    g_shown = ShownList();
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

int PositionOf(const SongListRecord* record) {
    void* data = nullptr;
    for (int position = 0; position < Count(songLists); ++position) {
        if (GetData(songLists, position, &data) && data == record) return position;
    }
    return -1;
}

// Writes the rows to the record's file; a failure is told once until a save works again, and
// the rows stay as they are so that the next save can write them.
int SaveRows(const SongListRecord* record, const QTreeView* listView) {
    if (g_shown.record != record) g_shown = ShownList{record};
    const std::string path = SongListPath(record->fileName);
    int error = 0;
    if (platform::ReplaceFileContents(path, WriteListText(record->title, ShownSongs(listView)),
                                      &error)) {
        g_shown.unsaved = g_shown.failureTold = false;
        return 1;
    }
    g_shown.unsaved = true;
    if (!g_shown.failureTold) TellSongListNotSaved(path, error);
    g_shown.failureTold = true;
    return 0;
}

// Before the view shows another list, a change it holds that its file lacks is saved; when that
// fails again, the list stays shown (and selected) so that nothing is lost. False then.
bool LeaveShownList(const QTreeView* listView, const SongListRecord* next) {
    if (!g_shown.unsaved || g_shown.record == nullptr) return true;
    g_shown.failureTold = false;  // the user asked for something that cannot be done: say why
    if (SaveRows(g_shown.record, listView)) return true;
    if (next != g_shown.record) Select(songLists, PositionOf(g_shown.record));
    return false;
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

void SelectSongListFile(const char16_t* fileName) {
    for (int position = 0; position < Count(songLists); ++position) {
        void* data = nullptr;
        if (!GetData(songLists, position, &data)) continue;
        if (std::u16string_view(static_cast<SongListRecord*>(data)->fileName) == fileName) {
            return Select(songLists, position);
        }
    }
}

void KeepShownSongList() {
    const SongListRecord* record = CurrentSongListRecord();
    if (record != nullptr) g_windowMemory.lastSongList = record->fileName;
}

int ReadSongListTitle(const char16_t* fileName, SongListRecord* record) {
    std::string bytes;
    const int problem = ReadListFile(fileName, &bytes);
    std::u16string title;
    if (problem != 0 || !ReadListTitle(bytes, &title) || title.empty()) title = fileName;
    CopyToBuffer(title, record->title, kSongListTitleCapacity);
    return problem == 0 ? 1 : 0;
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

int ShowSongList(QTreeView* listView) {
    const SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr) return 0;
    if (!LeaveShownList(listView, record)) return record == g_shown.record ? 1 : 0;
    ShownRows(listView)->Assign({});
    g_shown = ShownList{record};
    std::string bytes;
    const int problem = ReadListFile(record->fileName, &bytes);
    if (problem == ENOENT) return 0;  // a new list, not saved yet
    if (problem != 0) {
        g_shown.refused = true;
        TellSongListUnreadable(SongListPath(record->fileName), problem);
        return 0;
    }
    ShownRows(listView)->Assign(ReadListSongs(bytes));
    if (RowCount(listView) > 0) {
        listView->selectionModel()->setCurrentIndex(
            listView->model()->index(0, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    return 1;
}

int SongListEditable() {
    const SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr || record != g_shown.record || !g_shown.refused) return 1;
    TellSongListNotEditable(SongListPath(record->fileName));
    return 0;
}

int SaveSongList(const QTreeView* listView) {
    const SongListRecord* record = CurrentSongListRecord();
    if (record == nullptr || (record == g_shown.record && g_shown.refused)) return 0;
    return SaveRows(record, listView);
}

int SaveUnsavedSongList(const QTreeView* listView, bool tellFailure) {
    if (!g_shown.unsaved || g_shown.record == nullptr) return 1;
    g_shown.failureTold = !tellFailure;
    return SaveRows(g_shown.record, listView);
}

void ForgetShownSongList(const SongListRecord* record) {
    if (g_shown.record == record) g_shown = ShownList();
}
