#include "player/shell/window/window_start.h"

#include <algorithm>

#include <QDialog>
#include <QStyle>
#include <QTimer>
#include <QTreeView>

#include "player/model/instance_block.h"
#include "player/model/settings.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/window/library_start.h"
#include "player/shell/window/status_reports.h"
#include "player/shell/window/window_place.h"

namespace {

// The stored width of the "Time" column was made for the handheld's small font: here the column
// is at least as wide as a time text, so that the play time can be read.
int TimeColumnWidth(const QTreeView* view) {
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int text = QFontMetrics(view->font()).horizontalAdvance(QStringLiteral("00:00"));
    return std::max<int>(g_settings.colTime, text + 2 * margin + 1);
}

}  // namespace

void InitMainWindow(const MainWindowControls& controls) {
    PublishWindow(controls.bridge);
    controls.window->setWindowTitle(QStringLiteral("Tesalo"));
    PlaceMainWindow(controls.window);
    SetupSongListView(controls.listView, g_settings.colTitle, TimeColumnWidth(controls.listView));
    Bind(songLists, controls.window, controls.songListCombo);
    LoadSongListIndex();  // drops an earlier index with its records
    SelectSongListFile(g_windowMemory.lastSongList.c_str());
    ShowSongList(controls.listView);
    StartStatusPanel(controls);
    // Opening the sound device takes a while: the window is on the screen first, and the
    // library starts with the first turn of its event loop, before any click is handled.
    const platform::WindowHandle bridge = controls.bridge;
    QTimer::singleShot(0, controls.window, [bridge] { StartLibrary(bridge); });
}
