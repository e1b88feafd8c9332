#include "player/shell/window/player_shutdown.h"

#include <cstdlib>

#include <QLocalServer>
#include <QTreeView>

#include "library/tesalo.h"
#include "platform/instance.h"
#include "player/model/library_activity.h"
#include "player/model/player_shutdown.h"
#include "player/shell/lists/song_list_files.h"
#include "player/shell/window/library_boxes.h"
#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/single_instance.h"
#include "player/shell/window/window_place.h"

namespace {

const QTreeView* g_exitListView = nullptr;

// The steps on the list view (nullptr when there is no window), the library and the instance.
class ShutdownCalls final : public ShutdownSteps {
public:
    explicit ShutdownCalls(const QTreeView* listView) : listView_(listView) {}

    void RemoveLibraryBoxes() override { ::RemoveLibraryBoxes(); }
    void KeepColumnWidths() override { ::KeepColumnWidths(listView_); }
    void KeepWindowPlace() override { ::KeepWindowPlace(listView_->window()); }
    void KeepShownSongList() override { ::KeepShownSongList(); }
    bool SaveUnsavedSongList() override { return ::SaveUnsavedSongList(listView_) != 0; }
    void StopLibrary() override { TeStop(); }
    bool WaitForLibraryIdle(std::chrono::milliseconds timeout) override {
        return ::WaitForLibraryIdle(timeout);
    }
    bool LibraryStarted() override { return TeGetParent() != 0; }
    void CleanUpLibrary() override { TeCleanUp(); }
    void CloseInstanceBlock(void* block) override {
        platform::CloseInstanceBlock(block, kInstanceBlockSize);
    }
    void RemoveInstance() override {
        platform::RemoveInstanceBlock(kInstanceBlockName);
        // The server itself may never be destroyed (exit() leaves the window as it is).
        QLocalServer::removeServer(RaiseChannelName());
    }

private:
    const QTreeView* listView_;
};

}  // namespace

int ShutDownPlayer(const QTreeView* listView) {
    static PlayerShutdown shutdown;
    ShutdownCalls steps(listView);
    return shutdown.Run(steps, listView != nullptr);
}

void ShutDownAtExit(const QTreeView* listView) {
    g_exitListView = listView;
    std::atexit([] { ShutDownPlayer(g_exitListView); });
}
