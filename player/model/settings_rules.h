// The settings dialog's rules over g_settings, apart from its widgets: the quality list from the
// output devices, the polyphony steps and what OK takes over.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/tesalo.h"

// Four entries for each device that plays 22.05 kHz 8-bit mono, in device order, a format the
// device lacks shown as "NotSupported"; the single entry "WaveDevice Error" when none qualifies.
std::vector<std::u16string> QualityEntries();

// Whether "<" and ">" may step on from a polyphony limit, within TE_POLY_MIN..TE_POLY_MAX.
bool CanLowerPolyLimit(unsigned polyLimit);
bool CanRaisePolyLimit(unsigned polyLimit);

// The dialog's controls when the user confirms.
struct SettingsChoice {
    int qualityEntries = 0;  // entries in the quality list
    int quality = 0;         // the selected one, -1 for none
    unsigned polyLimit = TE_POLY_DEFAULT;
    bool chainPlay = false;
    bool autoRepeat = false;
    bool lpfDelay = false;
    bool waveMapper = false;
};

// The controls as the dialog opens them from g_settings (the quality list aside).
SettingsChoice CurrentChoice();

// Shows the user a notice and returns when it is closed (the dialog's message box).
using SettingsNotice = std::function<void(const std::u16string&)>;

// OK: takes the choice into g_settings, tells when a change needs a restart, and hands the
// polyphony limit and the effect to the library at once. The quality is only taken from a list
// of one device (with several the index would not say which device is meant), and only when
// one is selected.
void ApplySettingsChoice(const SettingsChoice& choice, bool japaneseUi, const SettingsNotice& tell);
