#include "player/shell/window/midi_file_add.h"

#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_flows.h"
#include "player/shell/window/scan_aside.h"

int AddingSongs(QTreeView* listView, bool japaneseUi,
                const std::function<int(const SongAdding&)>& add) {
    return ChangeSongLists(
        listView, japaneseUi,
        [&](SongListChanges& changes, SongRowsView& rows, SongListDialogs& dialogs) {
            return add({PlayerSongLists(), changes, rows, dialogs, ScanAside, japaneseUi});
        });
}

int AddMidiFiles(QTreeView* listView, const std::vector<const FolderEntry*>& chosen, bool toNewList,
                 bool japaneseUi) {
    return AddingSongs(listView, japaneseUi, [&](const SongAdding& adding) {
        return AddMidiFiles(adding, chosen, toNewList);
    });
}

int AddMidiPaths(QTreeView* listView, const std::vector<std::string>& paths, bool japaneseUi) {
    return AddingSongs(listView, japaneseUi,
                       [&](const SongAdding& adding) { return AddMidiPaths(adding, paths); });
}
