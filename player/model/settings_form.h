// The two templates of the settings dialog: texts, font and the controls' places in dialog units.
#pragma once

#include "player/model/unit_rect.h"

// The controls' identifiers, named "id<number>" as objects (0: a control without one). OK and
// Cancel are 1 and 2, as in a message box.
enum SettingsControlId : int {
    kSettingsNoId = 0,
    kSettingsOk = 1,
    kSettingsCancel = 2,
    kSettingsRaisePoly = 1009,  // ">": one voice more
    kSettingsLowerPoly = 1010,  // "<": one voice less
    kSettingsChainPlay = 1015,
    kSettingsAutoRepeat = 1016,
    kSettingsPolyField = 1017,  // the polyphony limit, shown only
    kSettingsQuality = 1022,    // the list of sound qualities
    kSettingsLpfDelay = 1023,
    kSettingsWaveMapper = 1056,
};

struct SettingsForm {
    const char* id;
    const char16_t* fontFace;
    UnitRect size;
    const char16_t* caption;
    const char16_t* soundGroup;
    const char16_t* qualityLabel;
    const char16_t* polyLabel;
    const char16_t* lpfDelay;
    const char16_t* waveMapper;
    const char16_t* playGroup;
    const char16_t* cancel;
    int lowerPart;  // how far the play modes, the program's name and the buttons sit lower
};

inline constexpr SettingsForm kJapaneseSettings = {"id122",
                                                   u"ＭＳ Ｐゴシック",
                                                   {0, 0, 134, 123},
                                                   u"設定",
                                                   u"サウンド効果",
                                                   u"再生品質",
                                                   u"最大同時発音数",
                                                   u"ローパスフィルタ + ディレイ効果",
                                                   u"WAVEMAPPERを強制",
                                                   u"再生モード",
                                                   u"キャンセル",
                                                   10};
inline constexpr SettingsForm kEnglishSettings = {"id164",
                                                  u"Tahoma",
                                                  {0, 0, 135, 110},
                                                  u"Tesalo - Settings",
                                                  u"Sound Expression",
                                                  u"Sound Quality",
                                                  u"Polyphonic Limit  ",
                                                  u"&LPF + Delay Effect",
                                                  u"Force WAVEMAPPER",
                                                  u"Play",
                                                  u"&Cancel",
                                                  0};

// The upper part: sound expression.
inline constexpr UnitRect kSoundGroupUnits{3, 2, 128, 60};
inline constexpr UnitRect kQualityLabelUnits{9, 16, 49, 8};
inline constexpr UnitRect kQualityUnits{58, 14, 69, 60};
inline constexpr UnitRect kPolyLabelUnits{9, 30, 60, 8};
inline constexpr UnitRect kPolyFieldUnits{71, 28, 18, 12};
inline constexpr UnitRect kLowerUnits{91, 28, 16, 12};
inline constexpr UnitRect kRaiseUnits{109, 28, 16, 12};
inline constexpr UnitRect kLpfDelayUnits{9, 41, 118, 10};
inline constexpr UnitRect kWaveMapperUnits{9, 51, 118, 10};
// The lower part, moved down by the form's lowerPart.
inline constexpr UnitRect kPlayGroupUnits{3, 64, 58, 33};
inline constexpr UnitRect kChainPlayUnits{9, 75, 50, 10};
inline constexpr UnitRect kAutoRepeatUnits{9, 85, 50, 10};
inline constexpr UnitRect kIconUnits{66, 66, 21, 18};
inline constexpr UnitRect kSynthesizerUnits{89, 67, 44, 16};
inline constexpr UnitRect kVersionUnits{64, 86, 68, 8};
inline constexpr UnitRect kContactUnits{3, 99, 62, 8};
inline constexpr UnitRect kSettingsOkUnits{66, 96, 32, 12};
inline constexpr UnitRect kSettingsCancelUnits{100, 96, 32, 12};
