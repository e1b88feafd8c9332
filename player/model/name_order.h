// The order of names that ignores letter case, handed in by the shell, and the sorted place of a
// name in it. The player compares as its text library does (Qt's case folding,
// CompareIgnoringCase in player/shell/lists/string_list); tests may hand a plainer order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Less than 0, 0 or more than 0 as a comes before, equals or comes after b, ignoring case.
using NameOrder = int (*)(std::u16string_view a, std::u16string_view b);

// The place of name among names sorted in nameOrder: behind every name that does not come after
// it (so an equal name goes behind).
int SortedNamePlace(const std::vector<std::u16string>& names, std::u16string_view name,
                    NameOrder nameOrder);
