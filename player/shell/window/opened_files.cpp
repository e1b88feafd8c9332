#include "player/shell/window/opened_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QTreeView>

#include "player/model/player_state.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_flows.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/midi_file_add.h"
#include "player/shell/window/play_control.h"
#include "player/shell/window/scan_aside.h"
#include "player/shell/window/single_instance.h"

namespace {

constexpr int kRetryMs = 300;
// Makes "Opened files" the current list, shown in the view; false when it cannot be made, or
// the list shown before keeps the view (a change of it could not be saved).
bool ShowOpenedList(QTreeView* listView) {
    char16_t name[kSongListTitleCapacity];
    for (int position = 0; position < Count(songLists); ++position) {
        if (GetName(songLists, position, name, kSongListTitleCapacity - 1) &&
            SameNameIgnoringCase(name, kOpenedFilesTitle)) {
            Select(songLists, position);
            ShowSongList(listView);
            return CurrentPosition(songLists) == position;
        }
    }
    return AddSongList(listView, kOpenedFilesTitle) == 1;
}

// The same file: the same name, or the same file reached by another name (a link).
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat infoA, infoB;
    return stat(a.c_str(), &infoA) == 0 && stat(b.c_str(), &infoB) == 0 &&
           infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

int FindRow(const QTreeView* listView, const std::string& path) {
    for (int row = 0; row < RowCount(listView); ++row) {
        if (SameFile(RowPath(listView, row), path)) return row;
    }
    return -1;
}

// Appends the files the list does not hold yet and saves it; the row of the first file.
int AddToOpenedList(QTreeView* listView, const std::vector<SongListSong>& files) {
    int first = -1;
    bool added = false;
    for (const SongListSong& file : files) {
        int row = FindRow(listView, file.path);
        if (row < 0) {
            AppendSongRow(listView, file);
            row = RowCount(listView) - 1;
            added = true;
        }
        if (first < 0) first = row;
    }
    if (added) SaveSongList(listView);
    return first;
}

void FocusOpenedRow(QTreeView* listView, int row) {
    listView->clearSelection();
    FocusRow(listView, row, true);
    ShowRow(listView, row);
}

// A dialog or menu in front works on the lists itself (the file chooser, the naming dialog), and
// so does a pre-scan that runs.
bool SomethingInFront(const MainWindowControls& controls) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal != nullptr && modal != controls.window) ||
           QApplication::activePopupWidget() != nullptr || ScanAsideRunning();
}

}  // namespace

void OpenFiles(const MainWindowControls& controls, const std::vector<std::string>& files) {
    if (g_player.pendingAction == kPendingClose || files.empty()) return;
    RaisePlayerWindow(controls.window);
    if (SomethingInFront(controls)) {
        QTimer::singleShot(kRetryMs, controls.window,
                           [controls, files] { OpenFiles(controls, files); });
        return;
    }
    std::vector<std::string> skipped;
    const std::vector<SongListSong> usable = ScanMidiSongs(files, &skipped);
    if (!usable.empty() && ShowOpenedList(controls.listView)) {
        FocusOpenedRow(controls.listView, AddToOpenedList(controls.listView, usable));
        PlayFocusedRow(controls);
    }
    if (!skipped.empty()) ShowPlayerMessage(FailedFilesMessage(skipped, g_player.japaneseUi));
}
