#include "player/model/library_start.h"

#include "library/tesalo.h"
#include "platform/language.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"

namespace {

// The device refused the format, or the stored format is none of the four: the next start uses
// the one every device takes.
int FailedInit(PlayerMessages& messages) {
    messages.Show(u"PCM Audioを初期化できません\n起動に失敗しました");
    if (!ResetWaveQuality())
        messages.Show(SettingsSaveFailure(platform::SystemLanguageIsJapanese()));
    return 0;
}

int StartGuarded(LibraryStartCalls& library, PlayerMessages& messages,
                 platform::WindowHandle window) {
    const std::uint32_t flag = WaveFormatFlag(g_settings.waveQuality);
    if (flag == 0) return FailedInit(messages);
    const auto level = static_cast<std::uint8_t>(g_settings.masterVolume);
    if (library.Init(flag, window, level, g_settings.bWaveMapper) == 0) return FailedInit(messages);
    if (!library.SetVoices()) {
        messages.Show(u"音色設定ﾌｧｲﾙが読み込めません\n起動に失敗しました");
        return 0;
    }
    library.SetStatus(g_settings.polyLimit, g_settings.bLPFDelay);
    library.SetMasterVolume(level);
    return 1;
}

}  // namespace

std::uint32_t WaveFormatFlag(std::int32_t waveQuality) {
    static constexpr std::uint32_t kFlags[] = {TE_FORMAT_22K_8, TE_FORMAT_22K_16, TE_FORMAT_44K_8,
                                               TE_FORMAT_44K_16};
    return waveQuality >= 0 && waveQuality <= 3 ? kFlags[waveQuality] : 0;
}

int StartLibrary(LibraryStartCalls& library, PlayerMessages& messages,
                 platform::WindowHandle window) {
    try {
        return StartGuarded(library, messages, window);
    } catch (...) {  // the one guarded block: the window stays usable whatever went wrong
        messages.Show(u"不明なエラーが発生しています");
        return 0;
    }
}
