// One player per user: a lock held for the life of the process, and a small block of shared
// memory through which a second start finds the first one's window.
//
// The lock is a per-user lock file held with flock: the system drops it when the holder ends,
// however it ends, so a crashed player never keeps the next one from starting, and of two
// players started at the same moment exactly one gets it. The block is a per-user POSIX
// shared-memory object; the first instance creates it afresh (zero-filled) each start.
#pragma once

#include <cstddef>

#include "platform/export.h"

namespace platform {

// 1: this process now holds the lock named `name` (the first instance); 0: another process
// holds it; -1: the lock file cannot be made. The lock is held until the process ends.
PLATFORM_API int AcquireInstanceLock(const char* name);

// Creates (or takes over and clears) the shared block `name` of `size` bytes and maps it for
// reading and writing; nullptr when it cannot be created or mapped. `mapFailed` tells which.
PLATFORM_API void* CreateInstanceBlock(const char* name, std::size_t size, bool* mapFailed);
// Maps an existing block for reading; nullptr when there is none of this user's or it cannot
// be mapped.
PLATFORM_API const void* OpenInstanceBlock(const char* name, std::size_t size);
// Unmaps a view of either kind.
PLATFORM_API void CloseInstanceBlock(const void* view, std::size_t size);
// Removes the block's name at a clean exit (a crashed player's block is taken over next time).
PLATFORM_API void RemoveInstanceBlock(const char* name);

}  // namespace platform
