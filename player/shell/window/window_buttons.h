// Making the main window's picture buttons. Which of them are on in each playback state is the
// model's rule (play_buttons.h).
#pragma once

#include "player/shell/window/main_window_controls.h"

class QAbstractButton;
class QWidget;

// A button of the window, named "id<id>", a tab stop, its tooltip in the interface language
// (g_player.japaneseUi).
QAbstractButton* MakeControlButton(int id, QWidget* parent);
