// Named manual-reset events within the process (a thread start-up handshake).
#pragma once

using EventHandle = void*;

// Creates the event of this name, or opens it when it exists; it starts not signalled.
EventHandle CreateNamedEvent(const char* name);
// Opens an existing event; nullptr when no event of this name exists.
EventHandle OpenNamedEvent(const char* name);
void SignalEvent(EventHandle event);
// Waits without time limit until the event is signalled.
void WaitEvent(EventHandle event);
// Releases this handle; the event ends with its last handle.
void CloseEvent(EventHandle event);
