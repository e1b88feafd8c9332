#include "player/shell/window/library_start.h"

#include <cstdint>

#include "library/tesalo.h"
#include "midi/smf_image.h"
#include "platform/language.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"
#include "player/shell/dialogs/player_message.h"
#include "voiceset/program_files.h"

namespace {

// The device refused the format, or the stored format is none of the four: the next start uses
// the one every device takes.
int FailedInit() {
    ShowPlayerMessage(u"PCM Audioを初期化できません\n起動に失敗しました");
    if (!ResetWaveQuality())
        ShowPlayerMessage(SettingsSaveFailure(platform::SystemLanguageIsJapanese()));
    return 0;
}

int LoadVoiceFile() {
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(ShippedVoiceFile(), &image, &size)) {
        ShowPlayerMessage(u"音色設定ﾌｧｲﾙが読み込めません\n起動に失敗しました");
        return 0;
    }
    TeVoiceSet(image, static_cast<std::int32_t>(size));
    FreeFileImage(image);
    return 1;
}

int StartGuarded(platform::WindowHandle window) {
    const std::uint32_t flag = WaveFormatFlag(g_settings.waveQuality);
    if (flag == 0) return FailedInit();
    const auto level = static_cast<std::uint8_t>(g_settings.masterVolume);
    if (TeInit(flag, window, level, g_settings.bWaveMapper) == 0) return FailedInit();
    if (!LoadVoiceFile()) return 0;
    TeSetStatus(g_settings.polyLimit, g_settings.bLPFDelay);
    SetMasterVolume(level);
    return 1;
}

}  // namespace

std::uint32_t WaveFormatFlag(std::int32_t waveQuality) {
    static constexpr std::uint32_t kFlags[] = {TE_FORMAT_22K_8, TE_FORMAT_22K_16, TE_FORMAT_44K_8,
                                               TE_FORMAT_44K_16};
    return waveQuality >= 0 && waveQuality <= 3 ? kFlags[waveQuality] : 0;
}

int StartLibrary(platform::WindowHandle window) {
    try {
        return StartGuarded(window);
    } catch (...) {  // the one guarded block: the window stays usable whatever went wrong
        ShowPlayerMessage(u"不明なエラーが発生しています");
        return 0;
    }
}
