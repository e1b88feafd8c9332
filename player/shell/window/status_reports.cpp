#include "player/shell/window/status_reports.h"

#include <QDialog>

#include "library/tesalo.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/shell/status/status_display.h"
#include "player/shell/status/status_panel.h"

void DrawStatusReport(const MainWindowControls& controls, std::uintptr_t code,
                      std::intptr_t value) {
    StatusResources& status = *controls.status;
    if (status.picture.isNull()) return;  // the window has not started, or has closed
    const QRect panel = StatusPanelRect(controls.window->size());
    const auto word = static_cast<std::uint32_t>(value);
    QRect changed;
    if (code == TE_NOTIFY_POLYPHONY)
        changed = DrawPolyDisplay(status, panel, word, g_settings.polyLimit);
    if (code == TE_NOTIFY_LOAD) changed = DrawCpuDisplay(status, panel, word);
    if (code == TE_NOTIFY_DURATION)
        changed = DrawTimeDisplay(status, panel, g_player.elapsedMs, g_player.busyFrame);
    if (!changed.isNull()) controls.window->update(changed);
}

void StartStatusPanel(const MainWindowControls& controls) {
    *controls.status =
        CreateStatusResources(controls.window->palette(), controls.window->devicePixelRatio());
    for (const std::uintptr_t code : {TE_NOTIFY_DURATION, TE_NOTIFY_POLYPHONY, TE_NOTIFY_LOAD}) {
        DrawStatusReport(controls, code, 0);
    }
    controls.window->update();
}
