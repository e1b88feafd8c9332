// The song-list naming dialog: a prompt, one edit field, OK and Cancel (template 151 with
// Japanese texts, 163 with English ones).
#pragma once

#include <string>

// Runs the dialog modally without owner window, with caption and prompt (each cut to 255
// characters). OK (also Enter) copies the edit field's text into output, at most limit - 1
// characters and a terminator, and returns 1; an empty text counts as confirmed. Cancel (also
// Escape) returns 0 and leaves output untouched.
int InputNameDialog(bool japaneseUi, const std::u16string& caption, const std::u16string& prompt,
                    int limit, char16_t* output);
