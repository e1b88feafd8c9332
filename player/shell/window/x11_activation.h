// The running player's answer to a startup id that a later start hands over under X11: the
// window manager is asked to activate the player's windows as the launch that the id names, and
// the launcher's startup feedback for that launch is ended.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// On the xcb platform: asks the window manager to activate each window in turn, the last one
// ending up active, with the launch's time; then ends the launch's startup feedback. Elsewhere,
// or without windows, it does nothing.
void ActivateX11Windows(const std::vector<std::uint32_t>& windows, const std::string& startupId);
