#include "player/model/volume_rules.h"

#include "library/tesalo.h"
#include "player/model/settings.h"

int SystemLevel(std::uint32_t deviceVolume) {
    return static_cast<int>(deviceVolume / kSystemVolumeStep);
}

void MoveSystemSlider(int position, int& keptLevel) {
    const int level = kTopSystemLevel - position;
    if (level == keptLevel) return;
    TeSetSystemVolume(static_cast<std::uint32_t>(level) * kSystemVolumeStep);
    keptLevel = level;
}

void MoveOutputSlider(int position) {
    const int level = kTopOutputLevel - position;
    if (level == g_settings.masterVolume) return;
    SetMasterVolume(static_cast<std::uint8_t>(level));
    g_settings.masterVolume = level;
}
