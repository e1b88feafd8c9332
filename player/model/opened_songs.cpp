#include "player/model/opened_songs.h"

#include <sys/stat.h>

#include "player/model/play_control.h"

namespace {

bool SameListName(const NameList& lists, const char16_t* name, const char16_t* title) {
    return lists.order != nullptr ? lists.order(name, title) == 0
                                  : std::u16string_view(name) == title;
}

// Makes "Opened files" the current list, shown in the rows; false when it cannot be made, or
// the list shown before keeps the rows (a change of it could not be saved).
bool ShowOpenedList(const SongAdding& adding) {
    NameList& lists = adding.index.Lists();
    char16_t name[kSongListTitleCapacity];
    for (int position = 0; position < Count(lists); ++position) {
        if (GetName(lists, position, name, kSongListTitleCapacity - 1) &&
            SameListName(lists, name, kOpenedFilesTitle)) {
            Select(lists, position);
            adding.index.Show(adding.rows);
            return CurrentPosition(lists) == position;
        }
    }
    return adding.changes.Add(adding.rows, kOpenedFilesTitle) == 1;
}

// The same file: the same name, or the same file reached by another name (a link).
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat infoA, infoB;
    return stat(a.c_str(), &infoA) == 0 && stat(b.c_str(), &infoB) == 0 &&
           infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

int FindRow(const SongRows& rows, const std::string& path) {
    for (int row = 0; row < rows.Count(); ++row) {
        if (SameFile(rows.Row(row).path, path)) return row;
    }
    return -1;
}

// Appends the files the list does not hold yet and saves it; the row of the first file.
int AddToOpenedList(const SongAdding& adding, const std::vector<SongListSong>& files) {
    int first = -1;
    bool added = false;
    for (const SongListSong& file : files) {
        int row = FindRow(adding.rows.Rows(), file.path);
        if (row < 0) {
            adding.rows.Append({file});
            row = adding.rows.Rows().Count() - 1;
            added = true;
        }
        if (first < 0) first = row;
    }
    if (added) adding.index.Save(adding.rows.Rows());
    return first;
}

void FocusOpenedRow(ListScreen& list, int row) {
    list.ClearSelection();
    list.FocusRow(row, true);
    list.ShowRow(row);
}

}  // namespace

void OpenSongFiles(const SongAdding& adding, const PlayContext& play,
                   const std::vector<std::string>& files) {
    std::vector<std::string> skipped;
    const std::vector<SongListSong> usable = ScanMidiSongs(files, &skipped, adding.aside);
    if (!usable.empty() && ShowOpenedList(adding)) {
        FocusOpenedRow(play.list, AddToOpenedList(adding, usable));
        PlayFocusedRow(play);
    }
    if (!skipped.empty()) adding.dialogs.Tell(FailedFilesMessage(skipped, adding.japaneseUi));
}
