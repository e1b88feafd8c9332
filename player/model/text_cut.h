// Cutting UTF-16 text to the room of a fixed buffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first maxUnits units of text, one fewer when the cut would split a surrogate pair.
std::u16string CutAtCharacter(std::u16string_view text, std::size_t maxUnits);

// Copies text, cut as above to capacity - 1 units, into buffer and terminates it.
void CopyToBuffer(std::u16string_view text, char16_t* buffer, std::size_t capacity);
