// The ready-message thread: it owns the hidden window that receives the device's notifications
// and renders every block after the first two.
#pragma once

// Starts the thread and returns once its window exists (g.readyWindow).
void StartReadyThread();
// Waits for the thread to end; it ends when the device's closed notification has arrived.
void JoinReadyThread();
// Ends the thread when no device was opened (TeInit failing after the thread started).
void EndReadyThreadWithoutDevice();
// Has the thread drop the blocks a held device keeps, each then reported done as if played:
// after every block it is handling now, so none it queues meanwhile is left waiting.
void DropHeldBlocks();
