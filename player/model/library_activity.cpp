#include "player/model/library_activity.h"

#include <condition_variable>
#include <mutex>

#include "library/tesalo.h"

namespace {

std::mutex g_mutex;
std::condition_variable g_changed;
bool g_busy = false;
// As in the window's procedure: an end reported before the new song's TE_NOTIFY_PLAY is the song
// before's, and the new one still plays.
bool g_startReportDue = false;

}  // namespace

void NoteSongStarting() {
    std::lock_guard lock(g_mutex);
    g_busy = true;
    g_startReportDue = true;
}

void NoteLibraryReport(std::uintptr_t code, std::intptr_t value) {
    if (code != TE_NOTIFY_PLAY && code != TE_NOTIFY_END) return;
    {
        std::lock_guard lock(g_mutex);
        if (code == TE_NOTIFY_PLAY) {
            g_startReportDue = false;
            if (value == 1) g_busy = false;  // refused: nothing was started
        } else if (code == TE_NOTIFY_END && !g_startReportDue) {
            g_busy = false;
        }
    }
    g_changed.notify_all();
}

bool WaitForLibraryIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(g_mutex);
    return g_changed.wait_for(lock, timeout, [] { return !g_busy; });
}
