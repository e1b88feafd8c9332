#include "player/shell/window/main_window_proc.h"

#include <functional>

#include <QAbstractButton>
#include <QDialog>
#include <QMenu>
#include <QTreeView>

#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/window_commands.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_flows.h"
#include "player/shell/status/status_resources.h"
#include "player/shell/window/midi_file_dialog.h"
#include "player/shell/window/settings_dialog.h"
#include "player/shell/window/status_reports.h"
#include "player/shell/window/volume_panel.h"
#include "player/shell/window/window_play_screen.h"

namespace {

// A dialog from the main window runs without owner; the window is disabled meanwhile and comes
// to the front again afterwards.
int RunModalDialog(const MainWindowControls& controls, const std::function<int()>& dialog) {
    QDialog* window = controls.window;
    window->setEnabled(false);
    const int result = dialog();
    window->setEnabled(true);
    window->raise();
    window->activateWindow();
    return result;
}

// The main window's dialogs, menu, status panel and end, as its commands reach them.
class WindowCommands final : public CommandWindow {
public:
    explicit WindowCommands(const MainWindowControls& controls) : controls_(controls) {}

    bool RunFileDialog() override {
        QTreeView* view = controls_.listView;
        return RunModalDialog(controls_,
                              [view] { return MidiFileDialog(view, g_player.japaneseUi); }) == 1;
    }
    void RunVolumePanel() override {
        RunModalDialog(controls_, [] { return VolumePanel(); });
    }
    void RunSettingsDialog() override {
        RunModalDialog(controls_, [] { return SettingsDialog(g_player.japaneseUi); });
    }
    void RunSongListMenu() override;
    bool NewSongList() override {
        return CreateSongList(controls_.listView, g_player.japaneseUi) == 1;
    }
    bool RenameSongList() override {
        return ::RenameSongList(controls_.listView, g_player.japaneseUi) == 1;
    }
    void DeleteSongList() override { ::DeleteSongList(controls_.listView, g_player.japaneseUi); }
    bool SongListEditable() override { return ::SongListEditable() == 1; }
    void SaveSongList() override { ::SaveSongList(controls_.listView); }
    void FocusList() override { controls_.listView->setFocus(); }
    void DrawReport(std::uintptr_t code, std::intptr_t value) override {
        DrawStatusReport(controls_, code, value);
    }
    void Close() override;

private:
    const MainWindowControls& controls_;
};

// The menu hangs below its button, right edges aligned; the chosen entry is a command.
void WindowCommands::RunSongListMenu() {
    QAbstractButton* button = ControlButton(controls_, kCommandSongListMenu);
    QMenu* menu = controls_.songListMenu;
    const QPoint corner(button->width() - menu->sizeHint().width(), button->height());
    QAction* chosen = menu->exec(button->mapToGlobal(corner));
    if (chosen != nullptr) ::RunCommand(controls_, chosen->data().toInt());
}

void WindowCommands::Close() {
    SaveUnsavedSongList(controls_.listView, true);  // the user is told here, while the window is up
    KeepColumnWidths(controls_.listView);
    ReleaseStatusResources(*controls_.status);
    controls_.window->done(0);
}

}  // namespace

void KeepColumnWidths(const QTreeView* listView) {
    g_settings.colTitle = listView->columnWidth(1);
    g_settings.colTime = listView->columnWidth(2);
}

void RunCommand(const MainWindowControls& controls, int id, std::intptr_t value) {
    WindowPlay play(controls);
    WindowCommands window(controls);
    RunCommand(play.context, window, id, value);
}

void HandleReport(const MainWindowControls& controls, std::uintptr_t code, std::intptr_t value) {
    WindowPlay play(controls);
    WindowCommands window(controls);
    HandleReport(play.context, window, code, value);
}
