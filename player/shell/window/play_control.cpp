#include "player/shell/window/play_control.h"

#include <QDialog>
#include <QTreeWidget>

#include <cstdint>
#include <string>

#include "library/tesalo.h"
#include "player/model/settings.h"
#include "midi/smf_image.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/window/library_activity.h"
#include "player/shell/dialogs/player_message.h"
#include "player/shell/window/player_state.h"
#include "player/shell/window/window_buttons.h"

namespace {

constexpr int kCellTextLimit = 260;

QString CellText(const MainWindowControls& controls, int row, int column) {
    return controls.listView->topLevelItem(row)->text(column).left(kCellTextLimit);
}

// Reads, prepares and hands the row's song to the library; false when the file is unusable.
bool StartRow(const MainWindowControls& controls, int row) {
    const std::string path = RowPath(controls.listView, row);
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(path, &image, &size)) return false;
    if (PrepareSmfImage(&image, &size) == -1) {
        FreeFileImage(image);
        return false;
    }
    TeDataSet(image, static_cast<std::int32_t>(size));
    FreeFileImage(image);
    g_player.elapsedMs = 0;
    g_player.playReportDue = true;
    NoteSongStarting();
    TePlay();
    g_player.isPlaying = 1;
    SetRowPicture(controls.listView, row, kColumnState, kPicturePlaying);
    return true;
}

}  // namespace

void ResetRowMarks(const MainWindowControls& controls) {
    for (int row = 0; row < controls.listView->topLevelItemCount(); ++row) {
        SetRowPicture(controls.listView, row, kColumnState, kPictureNormal);
    }
}

int PlaySongAt(const MainWindowControls& controls) {
    const int rows = controls.listView->topLevelItemCount();
    if (rows == 0 || g_player.currentSong < 0) return 0;
    for (;;) {
        controls.window->setWindowTitle(CellText(controls, g_player.currentSong, kColumnTitle));
        if (StartRow(controls, g_player.currentSong)) return 1;
        SetRowPicture(controls.listView, g_player.currentSong, kColumnState, kPictureFailed);
        if (g_settings.bChainPlay != 1 || ++g_player.currentSong >= rows) break;
    }
    ShowPlayerMessage(u"SMFファイルの読み込みに失敗しました");
    return 0;
}

void PlayCommand(const MainWindowControls& controls) {
    QTreeWidget* view = controls.listView;
    if (view->topLevelItemCount() == 0) return;
    ResetRowMarks(controls);
    QTreeWidgetItem* focused = view->currentItem();
    if (focused == nullptr) {
        // Focused, not selected: the selection is the user's.
        view->selectionModel()->setCurrentIndex(view->model()->index(0, 0),
                                                QItemSelectionModel::NoUpdate);
        g_player.currentSong = 0;
    } else {
        g_player.currentSong = view->indexOfTopLevelItem(focused);
    }
    if (PlaySongAt(controls)) SetPlayingButtons(controls);
}

void StopFor(int pendingAction) {
    g_player.pendingAction = pendingAction;
    TeStop();
}

namespace {

// Previous and next move the focus and the selection to the row they play.
void PlayNeighbour(const MainWindowControls& controls, int step) {
    QTreeWidget* view = controls.listView;
    // Another list may be shown since the song started: its rows may be fewer.
    if (QTreeWidgetItem* playing = view->topLevelItem(g_player.currentSong)) {
        playing->setSelected(false);
    }
    QTreeWidgetItem* target = view->topLevelItem(g_player.currentSong + step);
    view->setCurrentItem(target, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    PlayCommand(controls);
}

void BackToIdle(const MainWindowControls& controls) {
    g_player.isPlaying = 0;
    ResetRowMarks(controls);
    SetIdleButtons(controls);
}

// The song ended by itself: chain play goes on with the next row, auto repeat with row 0.
void ContinueChain(const MainWindowControls& controls, bool refused) {
    const int rows = controls.listView->topLevelItemCount();
    g_player.isPlaying = 0;
    if (g_settings.bChainPlay == 1) {
        ++g_player.currentSong;
        bool next = g_player.currentSong < rows;
        if (!next && g_settings.bAutoRepeat == 1 && !refused) {
            g_player.currentSong = 0;
            next = true;
        }
        if (next) {
            ResetRowMarks(controls);
            PlaySongAt(controls);
        }
    }
    if (g_player.isPlaying != 1) BackToIdle(controls);
}

}  // namespace

void EndOfPlayback(const MainWindowControls& controls, bool refused) {
    const int rows = controls.listView->topLevelItemCount();
    const int action = g_player.pendingAction;
    g_player.pendingAction = kPendingNone;
    if (action == kPendingClose) {
        g_player.isPlaying = 0;
        platform::PostWindowMessage(controls.bridge, kMsgCommand, kCommandClose, 0);
    } else if (action == kPendingStop) {
        BackToIdle(controls);
    } else if (action == kPendingOpen) {
        g_player.isPlaying = 0;
        PlayCommand(controls);  // the focus is on the first opened file
        if (g_player.isPlaying != 1) BackToIdle(controls);
    } else if (action == kPendingPrevious || action == kPendingNext) {
        const int step = action == kPendingPrevious ? -1 : 1;
        const int target = g_player.currentSong + step;
        if (rows == 0 || target < 0 || target >= rows) return BackToIdle(controls);
        g_player.isPlaying = 0;
        PlayNeighbour(controls, step);
        if (g_player.isPlaying != 1) BackToIdle(controls);
    } else {
        ContinueChain(controls, refused);
    }
}
