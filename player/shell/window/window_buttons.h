// The main window's buttons: making them and switching them between the idle and playing states.
#pragma once

#include "player/shell/window/main_window_controls.h"

class QAbstractButton;
class QWidget;

// A button of the window, named "id<id>", a tab stop, its tooltip in the interface language
// (g_player.japaneseUi).
QAbstractButton* MakeControlButton(int id, QWidget* parent);

// Play off, Stop on; settings, move and delete off while a song plays.
void SetPlayingButtons(const MainWindowControls& controls);
// While a song is paused: Play (which resumes it) and Stop on, the rest as while it plays.
void SetPausedButtons(const MainWindowControls& controls);
// The buttons back as they are at rest, and the caption back to "Tesalo".
void SetIdleButtons(const MainWindowControls& controls);
