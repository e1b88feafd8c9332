// Named manual-reset events within the process (a thread start-up handshake).
#pragma once

#include "platform/export.h"

namespace platform {

using EventHandle = void*;

// Creates the event of this name, or opens it when it exists; it starts not signalled.
PLATFORM_API EventHandle CreateNamedEvent(const char* name);
// Opens an existing event; nullptr when no event of this name exists.
PLATFORM_API EventHandle OpenNamedEvent(const char* name);
PLATFORM_API void SignalEvent(EventHandle event);
// Waits without time limit until the event is signalled.
PLATFORM_API void WaitEvent(EventHandle event);
// Releases this handle; the event ends with its last handle.
PLATFORM_API void CloseEvent(EventHandle event);

}  // namespace platform
