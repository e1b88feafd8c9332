// Pausing: the device held while the song stands still, and let go again. Only the caller's
// thread holds and lets go; the ready thread drops what waits when a held song is stopped.
#include "library/frame/ready_thread.h"
#include "library/frame/state.h"

extern "C" TESALO_API int32_t TePause(void) {
    if (g.bInitialized == 0) return 0;
    g.held = true;
    platform::WaveOutPause(g.waveOut);
    return 1;
}

extern "C" TESALO_API int32_t TeResume(void) {
    if (g.bInitialized == 0) return 0;
    g.held = false;
    platform::WaveOutRestart(g.waveOut);
    return 1;
}
