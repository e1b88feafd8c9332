// The settings dialog: output quality, polyphony limit, filter and echo, forced wave mapper and
// the play modes (template 122 with Japanese texts, 164 with English ones).
#pragma once

// Runs the dialog modally without owner window. OK takes the controls into g_settings and hands
// the polyphony limit and the effect to the library; Cancel changes nothing. Returns 0.
int SettingsDialog(bool japaneseUi);
