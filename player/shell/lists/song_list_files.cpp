#include "player/shell/lists/song_list_files.h"

#include "player/model/settings.h"
#include "player/model/song_list_index.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/list_view_rows.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "voiceset/program_files.h"

// Made at its first use, the index ends before the song lists it frees the records of.
SongListIndex& PlayerSongLists() {
    static SongListIndex index(songLists,
                               [](const std::u16string& text) { ShowPlayerMessage(text); });
    return index;
}

SongListRecord* CurrentSongListRecord() { return PlayerSongLists().Current(); }

void LoadSongListIndex() { PlayerSongLists().Load(RunningProgramFolder()); }

void SelectSongListFile(const char16_t* fileName) { PlayerSongLists().SelectFile(fileName); }

void KeepShownSongList() {
    const SongListRecord* record = CurrentSongListRecord();
    if (record != nullptr) g_windowMemory.lastSongList = record->fileName;
}

void AssignSongListFileName(SongListRecord* record) { PlayerSongLists().AssignFileName(record); }

int ShowSongList(QTreeView* listView) {
    ListViewRows rows(listView);
    return PlayerSongLists().Show(rows);
}

int SongListEditable() { return PlayerSongLists().Editable(); }

int SaveSongList(const QTreeView* listView) {
    return PlayerSongLists().Save(ShownRows(listView)->Rows());
}

int SaveUnsavedSongList(const QTreeView* listView, bool tellFailure) {
    return PlayerSongLists().SaveUnsaved(ShownRows(listView)->Rows(), tellFailure);
}

void ForgetShownSongList(const SongListRecord* record) { PlayerSongLists().Forget(record); }
