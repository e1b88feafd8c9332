#include "player/model/player_shutdown.h"

#include <cstdio>
#include <string>

#include "platform/codepage.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"

namespace {

// After TeStop the queued blocks play out: two of at most two seconds each.
constexpr std::chrono::seconds kSongEndWait{6};

void SaveWindow(ShutdownSteps& steps) {
    steps.KeepColumnWidths();
    steps.KeepWindowPlace();
    steps.KeepShownSongList();
    if (!steps.SaveUnsavedSongList())
        std::fputs("tesalo-player: a change of the shown song list could not be saved\n", stderr);
}

int SaveAll(ShutdownSteps& steps, bool withWindow) {
    if (withWindow) SaveWindow(steps);
    if (SaveSettings()) return 1;
    const std::string text = platform::Utf16ToUtf8(SettingsSaveFailure(false));
    std::fprintf(stderr, "tesalo-player: %s\n", text.c_str());
    return 0;
}

// TeCleanUp frees the buffers the library's thread renders into: only once the song is over.
// A device that never reports its blocks done leaves the thread to the end of the process.
void StopLibrary(ShutdownSteps& steps) {
    steps.StopLibrary();
    if (!steps.WaitForLibraryIdle(kSongEndWait)) return;
    // Not started: the run ended before the library's start.
    if (steps.LibraryStarted()) steps.CleanUpLibrary();
}

// Only the first instance has them: another player's block and channel stay.
void ReleaseInstance(ShutdownSteps& steps) {
    if (g_player.instanceBlock == nullptr) return;
    steps.CloseInstanceBlock(g_player.instanceBlock);
    g_player.instanceBlock = nullptr;
    steps.RemoveInstance();
}

}  // namespace

int PlayerShutdown::Run(ShutdownSteps& steps, bool withWindow) {
    if (done_) return 1;
    done_ = true;
    steps.RemoveLibraryBoxes();
    const int saved = SaveAll(steps, withWindow);
    StopLibrary(steps);
    ReleaseInstance(steps);
    return saved;
}
