#include "player/shell/midi_file_add.h"

#include <QByteArray>
#include <QTreeWidget>

#include "platform/codepage.h"
#include "player/data/midi_scan.h"
#include "player/data/song_list_files.h"
#include "player/data/song_list_flows.h"
#include "player/data/song_list_view.h"
#include "player/shell/player_message.h"

namespace {

// A list to add to: the current one, or a new one made now.
bool HaveTargetList(QTreeWidget* listView, bool toNewList, bool japaneseUi) {
    if (!toNewList && CurrentSongListRecord() != nullptr) return true;
    if (CreateSongList(listView, japaneseUi) != 1) return false;
    listView->clear();
    return true;
}

}  // namespace

bool ScanMidiSong(const std::string& path, SongListSong* song) {
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t seconds = ScanMidiFile(path, title) / 1000;
    if (seconds == 0) return false;
    *song = {seconds, platform::DecodeSystemText(path.data(), path.size()), title};
    return true;
}

void AppendMidiSong(QTreeWidget* listView, const SongListSong& song, const std::string& path) {
    AppendSongRow(listView, song);
    if (platform::Utf16ToUtf8(song.path) != path) {
        QTreeWidgetItem* row = listView->topLevelItem(listView->topLevelItemCount() - 1);
        row->setData(kColumnFileName, kRawPathRole, QByteArray::fromStdString(path));
    }
}

int AddMidiFiles(QTreeWidget* listView, const std::vector<const FolderEntry*>& chosen,
                 bool toNewList, bool japaneseUi) {
    if (!HaveTargetList(listView, toNewList, japaneseUi)) return 0;
    if (chosen.empty()) {
        ShowPlayerMessage(japaneseUi
            ? u"Midファイルが選択されていません\n１つ以上のファイルを選択してください"
            : u"File is not chosen.\nPlease choose one or more files.");
        return 0;
    }
    for (const FolderEntry* entry : chosen) {
        if (entry->isFolder) continue;
        const std::string path = EntryPath(*entry);
        SongListSong song{};
        if (!ScanMidiSong(path, &song)) return 0;
        AppendMidiSong(listView, song, path);
    }
    return 1;
}
