// What the player reads from a startup id that a later start hands over under X11, and the
// message that ends the launch's startup feedback.
#pragma once

#include <cstdint>
#include <string>

// The X server time of the id's "_TIME<n>" ending; 0, the current time, when it has none.
std::uint32_t StartupTime(const std::string& startupId);

// The startup-notification message that ends the launch of startupId, its zero byte included:
// the id quoted as a launcher reads it back.
std::string StartupRemoveMessage(const std::string& startupId);
