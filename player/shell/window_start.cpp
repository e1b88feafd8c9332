#include "player/shell/window_start.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <cstdint>
#include <cstring>

#include "player/data/settings.h"
#include "player/data/song_list_files.h"
#include "player/data/song_list_view.h"
#include "player/data/string_list.h"
#include "player/shell/library_start.h"
#include "player/shell/player_state.h"

namespace {

// Bytes 0-3 of the shared block: nonzero tells a later start that this window exists.
void PublishWindow(platform::WindowHandle window) {
    if (g_player.instanceBlock == nullptr) return;
    const auto handle = static_cast<std::uint32_t>(window);
    std::memcpy(g_player.instanceBlock, &handle, sizeof handle);
}

void FillWorkArea(QDialog* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) window->setGeometry(screen->availableGeometry());
    window->show();
}

}  // namespace

void InitMainWindow(const MainWindowControls& controls) {
    PublishWindow(controls.bridge);
    controls.window->setWindowTitle(QStringLiteral("Tesalo"));
    FillWorkArea(controls.window);
    SetupSongListView(controls.listView, g_settings.colTitle, g_settings.colTime,
                      g_settings.colFileTime);
    Bind(songLists, controls.window, controls.songListCombo);
    Clear(songLists);
    LoadSongListIndex();
    ShowSongList(controls.listView);
    // Opening the sound device takes a while: the window is on the screen first, and the
    // library starts with the first turn of its event loop, before any click is handled.
    const platform::WindowHandle bridge = controls.bridge;
    QTimer::singleShot(0, controls.window, [bridge] { StartLibrary(bridge); });
}
