#include "player/model/play_buttons.h"

#include "player/resources/window_ids.h"

namespace {

// The buttons that change the settings or the list: off while a song plays.
constexpr int kEditButtons[] = {kCommandSettings, kCommandMoveUp, kCommandMoveDown,
                                kCommandDeleteRows};

}  // namespace

void SetPlayingButtons(PlayScreen& screen) {
    screen.EnableButton(kCommandPlay, false);
    screen.EnableButton(kCommandStop, true);
    for (int id : kEditButtons) screen.EnableButton(id, false);
}

void SetPausedButtons(PlayScreen& screen) {
    SetPlayingButtons(screen);
    screen.EnableButton(kCommandPlay, true);
}

void SetIdleButtons(PlayScreen& screen) {
    screen.EnableButton(kCommandPlay, true);
    screen.EnableButton(kCommandStop, false);
    for (int id : kEditButtons) screen.EnableButton(id, true);
    screen.SetCaption(u"Tesalo");
}
