#include "player/shell/lists/song_list_files.h"

#include "player/model/settings.h"
#include "player/model/song_list_index.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/list_view_rows.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "voiceset/program_files.h"

namespace {

SongListIndex g_index(songLists, [](const std::u16string& text) { ShowPlayerMessage(text); });

}  // namespace

SongListIndex& PlayerSongLists() { return g_index; }

SongListRecord* CurrentSongListRecord() { return g_index.Current(); }

void LoadSongListIndex() { g_index.Load(RunningProgramFolder()); }

void SelectSongListFile(const char16_t* fileName) { g_index.SelectFile(fileName); }

void KeepShownSongList() {
    const SongListRecord* record = CurrentSongListRecord();
    if (record != nullptr) g_windowMemory.lastSongList = record->fileName;
}

void AssignSongListFileName(SongListRecord* record) { g_index.AssignFileName(record); }

int ShowSongList(QTreeView* listView) {
    ListViewRows rows(listView);
    return g_index.Show(rows);
}

int SongListEditable() { return g_index.Editable(); }

int SaveSongList(const QTreeView* listView) { return g_index.Save(ShownRows(listView)->Rows()); }

int SaveUnsavedSongList(const QTreeView* listView, bool tellFailure) {
    return g_index.SaveUnsaved(ShownRows(listView)->Rows(), tellFailure);
}

void ForgetShownSongList(const SongListRecord* record) { g_index.Forget(record); }
