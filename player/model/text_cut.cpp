#include "player/model/text_cut.h"

#include <algorithm>

std::u16string CutAtCharacter(std::u16string_view text, std::size_t maxUnits) {
    if (text.size() <= maxUnits) return std::u16string(text);
    std::size_t length = maxUnits;
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    return std::u16string(text.substr(0, length));
}

void CopyToBuffer(std::u16string_view text, char16_t* buffer, std::size_t capacity) {
    const std::u16string cut = CutAtCharacter(text, capacity - 1);
    std::copy(cut.begin(), cut.end(), buffer);
    buffer[cut.size()] = u'\0';
}
