#include "player/shell/opened_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <string_view>
#include <thread>

#include "platform/codepage.h"
#include "platform/msgbox.h"
#include "player/data/song_list_files.h"
#include "player/data/song_list_flows.h"
#include "player/data/song_list_view.h"
#include "player/data/string_list.h"
#include "player/shell/midi_file_add.h"
#include "player/shell/play_control.h"
#include "player/shell/player_message.h"
#include "player/shell/player_state.h"
#include "player/shell/single_instance.h"

namespace {

constexpr int kRetryMs = 300;
constexpr std::size_t kNamedInMessage = 10;

struct ScannedFile {
    std::string path;
    SongListSong song;
};

// ".." is left as it is: behind a symbolic link it does not mean the folder before.
std::string AbsolutePath(const std::string& name, const std::string& folder) {
    std::filesystem::path path = name;
    if (!path.is_absolute()) path = std::filesystem::path(folder) / path;
    for (const auto& part : path) {
        if (part == "..") return path.string();
    }
    return path.lexically_normal().string();
}

std::string WorkingFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string("/") : folder.string();
}

// Pre-scanning a file that is no MIDI file shows a box of its own: here the files are named in
// one message instead. Boxes that other threads (the library's) ask for go on as before.
platform::MessageBoxPresenter g_shownPresenter = nullptr;
std::thread::id g_scanningThread;

int QuietOnScanningThread(const std::u16string& text, const std::u16string& caption, unsigned flags) {
    if (std::this_thread::get_id() != g_scanningThread && g_shownPresenter != nullptr) {
        return g_shownPresenter(text, caption, flags);
    }
    return platform::kBoxResultOk;
}

bool IsFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The files that play, in order; the others go to skipped.
std::vector<ScannedFile> ScanFiles(const std::vector<std::string>& files,
                                   std::vector<std::string>* skipped) {
    g_scanningThread = std::this_thread::get_id();
    g_shownPresenter = platform::SetMessageBoxPresenter(&QuietOnScanningThread);
    std::vector<ScannedFile> usable;
    for (const std::string& path : files) {
        ScannedFile file{path, {}};
        if (IsFile(path) && ScanMidiSong(path, &file.song)) {
            usable.push_back(std::move(file));
        } else {
            skipped->push_back(path);
        }
    }
    platform::SetMessageBoxPresenter(g_shownPresenter);
    return usable;
}

// Makes "Opened files" the current list, shown in the view; false when it cannot be made.
bool ShowOpenedList(QTreeWidget* listView) {
    char16_t name[kSongListTitleCapacity];
    for (int position = 0; position < Count(songLists); ++position) {
        if (GetName(songLists, position, name, kSongListTitleCapacity - 1) &&
            SameNameIgnoringCase(name, kOpenedFilesTitle)) {
            Select(songLists, position);
            ShowSongList(listView);
            return true;
        }
    }
    return AddSongList(listView, kOpenedFilesTitle) == 1;
}

std::string RowPath(const QTreeWidget* listView, int row) {
    const QTreeWidgetItem* item = listView->topLevelItem(row);
    const QByteArray raw = item->data(kColumnFileName, kRawPathRole).toByteArray();
    return raw.isEmpty() ? item->text(kColumnFileName).toStdString() : raw.toStdString();
}

// The same file: the same name, or the same file reached by another name (a link).
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat infoA, infoB;
    return stat(a.c_str(), &infoA) == 0 && stat(b.c_str(), &infoB) == 0 &&
           infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

int FindRow(const QTreeWidget* listView, const std::string& path) {
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        if (SameFile(RowPath(listView, row), path)) return row;
    }
    return -1;
}

// Appends the files the list does not hold yet and saves it; the row of the first file.
int AddToOpenedList(QTreeWidget* listView, const std::vector<ScannedFile>& files) {
    int first = -1;
    bool added = false;
    for (const ScannedFile& file : files) {
        int row = FindRow(listView, file.path);
        if (row < 0) {
            AppendMidiSong(listView, file.song, file.path);
            row = listView->topLevelItemCount() - 1;
            added = true;
        }
        if (first < 0) first = row;
    }
    if (added) SaveSongList(listView);
    return first;
}

void FocusRow(QTreeWidget* listView, int row) {
    QTreeWidgetItem* item = listView->topLevelItem(row);
    listView->clearSelection();
    listView->setCurrentItem(item, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    listView->scrollToItem(item);
}

// A song that plays is stopped first; its end report then plays the focused row.
void PlayFocusedRow(const MainWindowControls& controls) {
    if (g_player.isPlaying == 1) return StopFor(kPendingOpen);
    PlayCommand(controls);
}

std::u16string SkippedMessage(const std::vector<std::string>& skipped, bool japaneseUi) {
    std::u16string text = japaneseUi
        ? u"次のファイルは再生できないため追加しませんでした:"
        : u"These files cannot be played and were not added:";
    for (std::size_t i = 0; i < skipped.size() && i < kNamedInMessage; ++i) {
        text += u'\n';
        text += platform::DecodeSystemText(skipped[i].data(), skipped[i].size());
    }
    if (skipped.size() > kNamedInMessage) {
        const std::string more = std::to_string(skipped.size() - kNamedInMessage);
        text += japaneseUi ? u"\nほか " : u"\nand ";
        text += platform::Utf8ToUtf16(more);
        text += japaneseUi ? u" 個" : u" more";
    }
    return text;
}

// A dialog or menu in front works on the lists itself (the file chooser, the naming dialog).
bool SomethingInFront(const MainWindowControls& controls) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal != nullptr && modal != controls.window) ||
           QApplication::activePopupWidget() != nullptr;
}

}  // namespace

std::vector<std::string> CommandLineFiles(int argc, char** argv) {
    const std::string folder = WorkingFolder();
    std::vector<std::string> files;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--") {
            options = false;
        } else if (!argument.empty() && (!options || argument.front() != '-')) {
            files.push_back(AbsolutePath(std::string(argument), folder));
        }
    }
    return files;
}

void OpenFiles(const MainWindowControls& controls, const std::vector<std::string>& files) {
    if (g_player.pendingAction == kPendingClose || files.empty()) return;
    RaisePlayerWindow();
    if (SomethingInFront(controls)) {
        QTimer::singleShot(kRetryMs, controls.window, [controls, files] { OpenFiles(controls, files); });
        return;
    }
    std::vector<std::string> skipped;
    const std::vector<ScannedFile> usable = ScanFiles(files, &skipped);
    if (!usable.empty() && ShowOpenedList(controls.listView)) {
        FocusRow(controls.listView, AddToOpenedList(controls.listView, usable));
        PlayFocusedRow(controls);
    }
    if (!skipped.empty()) ShowPlayerMessage(SkippedMessage(skipped, g_player.japaneseUi));
}
