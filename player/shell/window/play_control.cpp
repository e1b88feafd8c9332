#include "player/shell/window/play_control.h"

#include "player/model/play_control.h"
#include "player/shell/window/library_calls.h"
#include "player/shell/window/window_play_screen.h"

void PlayCommand(const MainWindowControls& controls) {
    WindowPlay play(controls);
    PlayCommand(play.context);
}

void PlayFocusedRow(const MainWindowControls& controls) {
    WindowPlay play(controls);
    PlayFocusedRow(play.context);
}

void StopFor(int pendingAction) {
    LibraryCalls library;
    StopFor(library, pendingAction);
}

void EndOfPlayback(const MainWindowControls& controls, bool refused) {
    WindowPlay play(controls);
    EndOfPlayback(play.context, refused);
}
