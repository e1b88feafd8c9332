#include "player/shell/window/player_shutdown.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QLocalServer>
#include <QTreeView>

#include "library/tesalo.h"
#include "platform/codepage.h"
#include "platform/instance.h"
#include "player/model/library_activity.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/window/library_boxes.h"
#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/single_instance.h"
#include "player/shell/window/window_place.h"

namespace {

// After TeStop the queued blocks play out: two of at most two seconds each.
constexpr std::chrono::seconds kSongEndWait{6};

const QTreeView* g_exitListView = nullptr;

// No box may be shown here (the display may be gone): what fails goes to standard error.
int SaveAll(const QTreeView* listView) {
    if (listView != nullptr) {
        KeepColumnWidths(listView);
        KeepWindowPlace(listView->window());
        KeepShownSongList();
        if (!SaveUnsavedSongList(listView)) {
            std::fputs("tesalo-player: a change of the shown song list could not be saved\n",
                       stderr);
        }
    }
    if (SaveSettings()) return 1;
    const std::string text = platform::Utf16ToUtf8(SettingsSaveFailure(false));
    std::fprintf(stderr, "tesalo-player: %s\n", text.c_str());
    return 0;
}

// TeCleanUp frees the buffers the library's thread renders into: only once the song is over.
// A device that never reports its blocks done leaves the thread to the end of the process.
void StopLibrary() {
    TeStop();
    if (!WaitForLibraryIdle(kSongEndWait)) return;
    if (TeGetParent() != 0) TeCleanUp();  // 0: the run ended before the library was started
}

// Only the first instance has them: another player's block and channel stay.
void ReleaseInstance() {
    if (g_player.instanceBlock == nullptr) return;
    platform::CloseInstanceBlock(g_player.instanceBlock, kInstanceBlockSize);
    g_player.instanceBlock = nullptr;
    platform::RemoveInstanceBlock(kInstanceBlockName);
    // The server itself may never be destroyed (exit() leaves the window as it is).
    QLocalServer::removeServer(RaiseChannelName());
}

}  // namespace

int ShutDownPlayer(const QTreeView* listView) {
    static bool done = false;
    if (done) return 1;
    done = true;
    // TeCleanUp waits for the library's thread: none of its boxes may wait for this thread then,
    // nor any show on a display that is gone.
    RemoveLibraryBoxes();
    const int saved = SaveAll(listView);  // first: a session that ends may not wait long
    StopLibrary();
    ReleaseInstance();
    return saved;
}

void ShutDownAtExit(const QTreeView* listView) {
    g_exitListView = listView;
    std::atexit([] { ShutDownPlayer(g_exitListView); });
}
