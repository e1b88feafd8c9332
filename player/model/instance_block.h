// The block a first start shares with later ones: made at the first start, the window published
// in it once it exists (bytes 0-3 nonzero tell a later start that the window is there), and read
// by a later start.
#pragma once

#include <cstddef>

#include "platform/messages.h"
#include "player/model/player_messages.h"

// Makes the shared block `name` of `size` bytes afresh as g_player.instanceBlock; false, after
// the message that tells whether it could not be made or not be mapped, when there is none.
bool MakeInstanceBlock(const char* name, std::size_t size, PlayerMessages& messages);

// Writes the window's handle into bytes 0-3 of g_player.instanceBlock; nothing without a block.
void PublishWindow(platform::WindowHandle window);

// A later start: true when the first start's window is there, waiting up to waitMs for a window
// that is still being made; false when there is no block.
bool WaitForFirstWindow(const char* name, std::size_t size, int waitMs);
