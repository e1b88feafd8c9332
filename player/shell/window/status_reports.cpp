#include "player/shell/window/status_reports.h"

#include <QDialog>

#include "player/model/settings.h"
#include "player/shell/window/player_state.h"
#include "player/shell/status/status_display.h"
#include "player/shell/status/status_panel.h"

void DrawStatusReport(const MainWindowControls& controls, std::uintptr_t code, std::intptr_t value) {
    StatusResources& status = *controls.status;
    if (status.picture.isNull()) return;  // the window has not started, or has closed
    const QRect panel = StatusPanelRect(controls.window->size());
    const auto word = static_cast<std::uint32_t>(value);
    QRect changed;
    if (code == 3) changed = DrawPolyDisplay(status, panel, word, g_settings.polyLimit);
    if (code == 4) changed = DrawCpuDisplay(status, panel, word);
    if (code == 5) changed = DrawTimeDisplay(status, panel, g_player.elapsedMs, g_player.busyFrame);
    if (!changed.isNull()) controls.window->update(changed);
}

void StartStatusPanel(const MainWindowControls& controls) {
    *controls.status = CreateStatusResources(controls.window->palette());
    for (const std::uintptr_t code : {5u, 3u, 4u}) DrawStatusReport(controls, code, 0);
    controls.window->update();
}
