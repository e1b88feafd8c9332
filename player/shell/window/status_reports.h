// The library's polyphony, CPU and time reports on the status panel.
#pragma once

#include <cstdint>

#include "player/shell/window/main_window_controls.h"

// Report 3, 4 or 5 drawn into the off-screen picture and shown; the time display shows the
// play time before the report's step is added.
void DrawStatusReport(const MainWindowControls& controls, std::uintptr_t code, std::intptr_t value);

// The drawing resources, and the first drawing: the time, polyphony and CPU displays with 0.
void StartStatusPanel(const MainWindowControls& controls);
