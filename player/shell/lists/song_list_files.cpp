#include "player/shell/lists/song_list_files.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>

#include <QItemSelectionModel>
#include <QTreeView>

#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "player/model/settings.h"
#include "player/model/shipped_song_lists.h"
#include "player/model/song_list_folder.h"
#include "player/model/song_list_notices.h"
#include "player/model/song_list_text.h"
#include "player/model/text_cut.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "voiceset/program_files.h"

namespace {

// What the player knows of the list the view shows.
struct ShownList {
    const SongListRecord* record = nullptr;
    bool refused = false;      // its file could not be read as a list: it is never written over
    bool unsaved = false;      // the rows hold a change that the file does not
    bool failureTold = false;  // the user knows that saving it fails
};
ShownList g_shown;

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
    if (!g_shown.failureTold) ShowPlayerMessage(SongListNotSavedText(path, error));
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

void AssignSongListFileName(SongListRecord* record) {
    const std::u16string fileName = FreeSongListFileName([](const std::u16string& name) {
        return SongListFileExists(name.c_str()) || NameHeldByList(name.c_str());
    });
    CopyToBuffer(fileName, record->fileName, kSongListFileNameCapacity);
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
        ShowPlayerMessage(SongListUnreadableText(SongListPath(record->fileName), problem));
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
    ShowPlayerMessage(SongListNotEditableText(SongListPath(record->fileName)));
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
