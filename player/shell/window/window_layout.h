// Where the main window's controls go for a client area of W x H pixels. The same formulas
// (player/model/control_places) place them at start and again whenever the window changes size.
#pragma once

#include <QRect>
#include <QSize>

#include "player/shell/window/main_window_controls.h"

// The rectangle of control id (kControlSongListCombo with the height of its dropped list); empty
// for others.
QRect ControlRect(int id, QSize client);
// The status panel: left 1, top H - 60, right W - 1, bottom H - 1 (right and bottom outside).
QRect PanelRect(QSize client);

// Moves every control of the window to its place for the client size.
void LayoutControls(const MainWindowControls& controls, QSize client);
