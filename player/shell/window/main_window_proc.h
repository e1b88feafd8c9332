// The main window's procedure: the user's commands and the library's reports, over g_player
// and g_settings. The window's widgets only translate clicks, keys and events into these calls.
#pragma once

#include <cstdint>

#include "player/shell/window/main_window_controls.h"

class QTreeView;

// A command id (CommandId): Enter, Escape, a button's, a menu entry's, a key's, the desktop's;
// value: what the command carries (the milliseconds of a seek).
void RunCommand(const MainWindowControls& controls, int id, std::intptr_t value = 0);

// A "TEDLL_NOTIFY" report of the library: code and value.
void HandleReport(const MainWindowControls& controls, std::uintptr_t code, std::intptr_t value);

// The list view's column widths into g_settings, which are written at exit.
void KeepColumnWidths(const QTreeView* listView);
