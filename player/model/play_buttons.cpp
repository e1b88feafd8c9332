#include "player/model/play_buttons.h"

#include "player/resources/window_ids.h"

namespace {

// The buttons that change the settings or the list: off while a song plays.
constexpr int kEditButtons[] = {kCommandSettings, kCommandMoveUp, kCommandMoveDown,
                                kCommandDeleteRows};

}  // namespace

void SetPlayingButtons(PlayWindow& window) {
    window.EnableButton(kCommandPlay, false);
    window.EnableButton(kCommandStop, true);
    for (int id : kEditButtons) window.EnableButton(id, false);
}

void SetPausedButtons(PlayWindow& window) {
    SetPlayingButtons(window);
    window.EnableButton(kCommandPlay, true);
}

void SetIdleButtons(PlayWindow& window) {
    window.EnableButton(kCommandPlay, true);
    window.EnableButton(kCommandStop, false);
    for (int id : kEditButtons) window.EnableButton(id, true);
    window.SetCaption(u"Tesalo");
}
