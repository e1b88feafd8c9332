// The order of names that ignores letter case, handed in by the shell: the player compares as
// its text library does (Qt's case folding, CompareIgnoringCase in player/shell/lists/
// string_list), and tests may hand a plainer order.
#pragma once

#include <string_view>

// Less than 0, 0 or more than 0 as a comes before, equals or comes after b, ignoring case.
using NameOrder = int (*)(std::u16string_view a, std::u16string_view b);
