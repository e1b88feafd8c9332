// The synthesizer's output level and the device volume.
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/state.h"

// The table the renderer reads is never written: a new one is built in the next slot and then
// published with one pointer store, so a voice never reads a half-written table.
void BuildVolumeTable(std::uint8_t m) {
    if (m > 16) m = 16;
    g.volumeSlot = (g.volumeSlot + 1) % 4;
    VolumeTable& table = g.volumeTables[g.volumeSlot];
    for (int v = 0; v < 16; ++v) {
        for (int e = 0; e < 16; ++e) {
            const int perLevel = (v + 1) * (e + 1) * m;
            int sum = 0;
            for (int n = 0; n < 16; ++n) {
                sum += perLevel;
                table[v][e][n] = static_cast<std::uint8_t>(sum >> 10);
            }
        }
    }
    g.volumeTable.store(&table, std::memory_order_release);
}

extern "C" TESALO_API int32_t SetMasterVolume(uint8_t level) {
    BuildVolumeTable(level);
    return 1;
}

extern "C" TESALO_API uint32_t TeGetSystemVolume(void) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(u"TeGetSystemVolume");
        return 0;
    }
    std::uint32_t volume = 0;
    if (platform::WaveOutGetVolume(g.waveOut, &volume) != platform::kWaveOk) return 0;
    return volume;
}

extern "C" TESALO_API int32_t TeSetSystemVolume(uint32_t volume) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(u"TeSetSystemVolume");
        return 0;
    }
    return platform::WaveOutSetVolume(g.waveOut, volume) == platform::kWaveOk ? 1 : 0;
}
