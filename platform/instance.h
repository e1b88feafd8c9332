// One player per user: a lock held for the life of the process, and a small shared block
// through which a second start finds the first one's window, both in a folder of the user's own
// ("$XDG_RUNTIME_DIR/tesalo/", else "/tmp/tesalo-<uid>/", made 0700). The folder is used only
// when it is a real folder of this user that nobody else can write: what another user could
// put there would keep the player from starting or let two of them run.
//
// The lock is a lock file held with flock: the system drops it when the holder ends, however
// it ends, so a crashed player never keeps the next one from starting, and of two players
// started at the same moment exactly one gets it. The block is a file mapped in memory, made
// afresh by each first instance and held with flock by its maker while it lives: the block of
// a player that ended tells a later start nothing.
#pragma once

#include <cstddef>
#include <string>

#include "platform/export.h"

namespace platform {

// The user's instance folder, ending in '/', made when missing; empty when it cannot be made or
// another user could write in it, *problem (when given) then saying why, naming the folder.
PLATFORM_API std::string InstanceFolder(std::string* problem = nullptr);

// 1: this process now holds the lock named `name` (the first instance); 0: another process
// holds it; -1: the lock cannot be made, *problem (when given) saying why. The lock is held
// until the process ends.
PLATFORM_API int AcquireInstanceLock(const char* name, std::string* problem = nullptr);

// Makes the shared block `name` of `size` bytes afresh, zero-filled, in place of any earlier
// one, maps it for reading and writing and holds it for this process; nullptr when it cannot
// be made or mapped, `mapFailed` telling which.
PLATFORM_API void* CreateInstanceBlock(const char* name, std::size_t size, bool* mapFailed);
// Maps the block for reading; nullptr when there is none, when the process that made it has
// ended, or when it cannot be mapped.
PLATFORM_API const void* OpenInstanceBlock(const char* name, std::size_t size);
// Unmaps a view of either kind.
PLATFORM_API void CloseInstanceBlock(const void* view, std::size_t size);
// Removes the block's name and lets the block go, at a clean exit.
PLATFORM_API void RemoveInstanceBlock(const char* name);

}  // namespace platform
