#include "player/model/song_adding.h"

namespace {

// A list to add to: the current one (when its file may be written), or a new one made now.
bool HaveTargetList(const SongAdding& adding, bool toNewList) {
    if (!toNewList && adding.index.Current() != nullptr) return adding.index.Editable() == 1;
    if (adding.changes.Create(adding.rows) != 1) return false;
    adding.rows.Show({});
    return true;
}

// The files that play become rows at the end, the others are named in one message; 1 when the
// rows changed or nothing failed.
int AppendScanned(const SongAdding& adding, const std::vector<std::string>& paths) {
    std::vector<std::string> failed;
    const std::vector<SongListSong> songs = ScanMidiSongs(paths, &failed, adding.aside);
    adding.rows.Append(songs);
    if (!failed.empty()) adding.dialogs.Tell(FailedFilesMessage(failed, adding.japaneseUi));
    return failed.empty() || !songs.empty() ? 1 : 0;
}

}  // namespace

int AddMidiFiles(const SongAdding& adding, const std::vector<const FolderEntry*>& chosen,
                 bool toNewList) {
    if (!HaveTargetList(adding, toNewList)) return 0;
    if (chosen.empty()) {
        adding.dialogs.Tell(
            adding.japaneseUi
                ? u"Midファイルが選択されていません\n１つ以上のファイルを選択してください"
                : u"File is not chosen.\nPlease choose one or more files.");
        return 0;
    }
    std::vector<std::string> paths;
    for (const FolderEntry* entry : chosen) {
        if (!entry->isFolder) paths.push_back(EntryPath(*entry));
    }
    return AppendScanned(adding, paths);
}

int AddMidiPaths(const SongAdding& adding, const std::vector<std::string>& paths) {
    if (!HaveTargetList(adding, false)) return 0;
    return AppendScanned(adding, paths);
}
