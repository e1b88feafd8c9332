// The names the picture buttons show as their tooltips, in the interface language.
#pragma once

#include <string>

// The tooltip of the button whose command is id; empty for an id that is no button.
std::u16string ButtonTip(int id, bool japaneseUi);
