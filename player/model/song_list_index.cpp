#include "player/model/song_list_index.h"

#include <cerrno>
#include <string_view>

#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "player/model/shipped_song_lists.h"
#include "player/model/song_list_folder.h"
#include "player/model/song_list_notices.h"
#include "player/model/song_list_text.h"
#include "player/model/text_cut.h"

SongListRecord* SongListIndex::Current() const {
    void* data = nullptr;
    return GetCurrentData(lists_, &data) ? static_cast<SongListRecord*>(data) : nullptr;
}

// A new list has no file until its first save: its name is taken all the same.
bool SongListIndex::NameHeldByList(std::u16string_view fileName) const {
    for (const NameListEntry& entry : lists_.entries) {
        if (std::u16string_view(static_cast<const SongListRecord*>(entry.data)->fileName) ==
            fileName) {
            return true;
        }
    }
    return false;
}

// The lists' box may be gone by now (a running player's index ends with the program): only the
// records go.
SongListIndex::~SongListIndex() { DeleteRecords(); }

void SongListIndex::DeleteRecords() {
    for (const NameListEntry& entry : lists_.entries)
        delete static_cast<SongListRecord*>(entry.data);
}

// The records of an earlier index go with it.
void SongListIndex::FreeRecords() {
    shown_ = ShownList();
    DeleteRecords();
    Clear(lists_);
}

void SongListIndex::AddListFile(const std::string& name) {
    const std::u16string fileName = platform::Utf8ToUtf16(name);
    // A name that is not UTF-8 could not be opened again under its converted form.
    if (platform::Utf16ToUtf8(fileName) != name) return;
    auto* record = new SongListRecord();
    CopyToBuffer(fileName, record->fileName, kSongListFileNameCapacity);
    ReadSongListTitle(record->fileName, record);
    if (Add(lists_, record->title, record) < 0) delete record;
}

void SongListIndex::Load(const std::string& programFolder) {
    FreeRecords();
    const std::string folder = ProgramDirectory();
    InstallShippedSongLists(folder, programFolder);
    for (const std::string& name : FindSongListFiles(folder)) AddListFile(name);
    Select(lists_, 0);
}

void SongListIndex::SelectFile(std::u16string_view fileName) {
    for (int position = 0; position < Count(lists_); ++position) {
        void* data = nullptr;
        if (!GetData(lists_, position, &data)) continue;
        if (std::u16string_view(static_cast<SongListRecord*>(data)->fileName) == fileName) {
            return Select(lists_, position);
        }
    }
}

void SongListIndex::AssignFileName(SongListRecord* record) const {
    const std::u16string fileName = FreeSongListFileName([this](const std::u16string& name) {
        return SongListFileExists(name.c_str()) || NameHeldByList(name);
    });
    CopyToBuffer(fileName, record->fileName, kSongListFileNameCapacity);
}

// Writes the rows to the record's file; a failure is told once until a save works again, and
// the rows stay as they are so that the next save can write them.
int SongListIndex::SaveRows(const SongListRecord* record, const SongRows& rows) {
    if (shown_.record != record) shown_ = ShownList{record};
    const std::string path = SongListPath(record->fileName);
    int error = 0;
    if (platform::ReplaceFileContents(path, WriteListText(record->title, rows.Songs()), &error)) {
        shown_.unsaved = shown_.failureTold = false;
        return 1;
    }
    shown_.unsaved = true;
    if (!shown_.failureTold) tell_(SongListNotSavedText(path, error));
    shown_.failureTold = true;
    return 0;
}

// Before the rows show another list, a change they hold that its file lacks is saved; when that
// fails again, the list stays shown (and selected) so that nothing is lost. False then.
bool SongListIndex::LeaveShownList(const SongRows& rows, const SongListRecord* next) {
    if (!shown_.unsaved || shown_.record == nullptr) return true;
    shown_.failureTold = false;  // the user asked for something that cannot be done: say why
    if (SaveRows(shown_.record, rows)) return true;
    if (next != shown_.record) Select(lists_, PositionOfData(lists_, shown_.record));
    return false;
}

int SongListIndex::Show(SongRowsView& view) {
    const SongListRecord* record = Current();
    if (record == nullptr) return 0;
    if (!LeaveShownList(view.Rows(), record)) return record == shown_.record ? 1 : 0;
    view.Show({});
    shown_ = ShownList{record};
    std::string bytes;
    const int problem = ReadListFile(record->fileName, &bytes);
    if (problem == ENOENT) return 0;  // a new list, not saved yet
    if (problem != 0) {
        shown_.refused = true;
        tell_(SongListUnreadableText(SongListPath(record->fileName), problem));
        return 0;
    }
    view.Show(ReadListSongs(bytes));
    return 1;
}

int SongListIndex::Editable() {
    const SongListRecord* record = Current();
    if (record == nullptr || record != shown_.record || !shown_.refused) return 1;
    tell_(SongListNotEditableText(SongListPath(record->fileName)));
    return 0;
}

int SongListIndex::Save(const SongRows& rows) {
    const SongListRecord* record = Current();
    if (record == nullptr || (record == shown_.record && shown_.refused)) return 0;
    return SaveRows(record, rows);
}

int SongListIndex::SaveUnsaved(const SongRows& rows, bool tellFailure) {
    if (!shown_.unsaved || shown_.record == nullptr) return 1;
    shown_.failureTold = !tellFailure;
    return SaveRows(shown_.record, rows);
}

void SongListIndex::Forget(const SongListRecord* record) {
    if (shown_.record == record) shown_ = ShownList();
}
