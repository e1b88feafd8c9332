// The synthesizer's output level and the device volume.
#include <atomic>

#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/state.h"

// A new table is built in the next of four slots and then published with one pointer store, so a
// voice reads a finished table. A caller that changes the level four times while one voice is
// rendered rewrites the slot it reads: the entries are atomic bytes, so it gets one whole byte.
void BuildVolumeTable(std::uint8_t m) {
    if (m > TE_LEVEL_MAX) m = TE_LEVEL_MAX;
    g.volumeSlot = (g.volumeSlot + 1) % 4;
    VolumeTable& table = g.volumeTables[g.volumeSlot];
    for (int v = 0; v < 16; ++v) {
        for (int e = 0; e < 16; ++e) {
            const int perLevel = (v + 1) * (e + 1) * m;
            int sum = 0;
            for (int n = 0; n < 16; ++n) {
                sum += perLevel;
                std::atomic_ref(table[v][e][n])
                    .store(static_cast<std::uint8_t>(sum >> 10), std::memory_order_relaxed);
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
