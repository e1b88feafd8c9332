#include "player/model/settings_rules.h"

#include "library/tesalo.h"
#include "platform/waveout.h"
#include "player/model/settings.h"

namespace {

constexpr int kEntriesPerDevice = 4;

void AppendDeviceEntries(std::uint32_t formats, std::vector<std::u16string>& entries) {
    entries.push_back(u"22.05kHz/8Bit");
    entries.push_back(formats & platform::kFormatMono22k16 ? u"22.05kHz/16Bit"
                                                           : u"2M16 NotSupported");
    entries.push_back(formats & platform::kFormatMono44k8 ? u"44.1kHz/8Bit" : u"4M08 NotSupported");
    entries.push_back(formats & platform::kFormatMono44k16 ? u"44.1kHz/16Bit"
                                                           : u"4M16 NotSupported");
}

void ShowRestartMessage(const char16_t* japanese, const char16_t* english, bool japaneseUi,
                        const SettingsNotice& tell) {
    tell(japaneseUi ? japanese : english);
}

}  // namespace

std::vector<std::u16string> QualityEntries() {
    std::vector<std::u16string> entries;
    const std::uint32_t count = platform::WaveOutDeviceCount();
    for (std::uint32_t device = 0; device < count; ++device) {
        platform::WaveOutCaps caps{};
        if (platform::WaveOutGetCaps(device, &caps) != platform::kWaveOk) continue;
        if ((caps.formats & platform::kFormatMono22k8) == 0) continue;
        AppendDeviceEntries(caps.formats, entries);
    }
    if (entries.empty()) entries.push_back(u"WaveDevice Error");
    return entries;
}

bool CanLowerPolyLimit(unsigned polyLimit) { return polyLimit > TE_POLY_MIN; }

bool CanRaisePolyLimit(unsigned polyLimit) { return polyLimit < TE_POLY_MAX; }

SettingsChoice CurrentChoice() {
    SettingsChoice choice;
    choice.quality = g_settings.waveQuality;
    choice.polyLimit = static_cast<unsigned>(g_settings.polyLimit);
    choice.chainPlay = g_settings.bChainPlay != 0;
    choice.autoRepeat = g_settings.bAutoRepeat != 0;
    choice.lpfDelay = g_settings.bLPFDelay != 0;
    choice.waveMapper = g_settings.bWaveMapper != 0;
    return choice;
}

void ApplySettingsChoice(const SettingsChoice& choice, bool japaneseUi,
                         const SettingsNotice& tell) {
    // A stored quality beyond the list leaves nothing selected; that is no choice to store.
    if (choice.qualityEntries == kEntriesPerDevice && choice.quality >= 0) {
        if (choice.quality != g_settings.waveQuality) {
            ShowRestartMessage(
                u"再生周波数が変更されました。\n変更を有効にするために\nTesaloを再起動してください",
                u"SamplingFrequency was changed.\nPlease TESALO re-start.", japaneseUi, tell);
        }
        g_settings.waveQuality = choice.quality;
    }
    g_settings.bChainPlay = choice.chainPlay;
    g_settings.bAutoRepeat = choice.autoRepeat;
    g_settings.bLPFDelay = choice.lpfDelay;
    g_settings.polyLimit = static_cast<std::int32_t>(choice.polyLimit);
    if (choice.waveMapper != (g_settings.bWaveMapper != 0)) {
        ShowRestartMessage(
            u"WAVEMAPPERパラメータが変更されました。\n変更を有効にするために\nTesaloを再起動してく"
            u"ださい",
            u"Parameter 'WAVEMAPPER' was changed.\nPlease TESALO re-start.", japaneseUi, tell);
    }
    g_settings.bWaveMapper = choice.waveMapper;
    TeSetStatus(g_settings.polyLimit, g_settings.bLPFDelay);
}
