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

// Scans and appends one file; false when it plays for less than a second.
bool AppendFile(QTreeWidget* listView, const FolderEntry& entry) {
    const std::string path = EntryPath(entry);
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t seconds = ScanMidiFile(path, title) / 1000;
    if (seconds == 0) return false;
    const std::u16string shownPath = platform::DecodeSystemText(path.data(), path.size());
    AppendSongRow(listView, {seconds, shownPath, title});
    if (platform::Utf16ToUtf8(shownPath) != path) {
        QTreeWidgetItem* row = listView->topLevelItem(listView->topLevelItemCount() - 1);
        row->setData(kColumnFileName, kRawPathRole, QByteArray::fromStdString(path));
    }
    return true;
}

}  // namespace

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
        if (!AppendFile(listView, *entry)) return 0;
    }
    return 1;
}
