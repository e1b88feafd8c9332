// The sorted place of a name, as the song lists' combo box orders its names.
#include "player/model/name_order.h"

#include <gtest/gtest.h>

namespace {

int AsciiOrder(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

TEST(NameOrderTest, ANameGoesBehindEveryNameThatDoesNotComeAfterIt) {
    const std::vector<std::u16string> names = {u"Apple", u"banana", u"Cherry"};
    EXPECT_EQ(SortedNamePlace(names, u"aardvark", AsciiOrder), 0);
    EXPECT_EQ(SortedNamePlace(names, u"BANANA", AsciiOrder), 2);  // an equal name goes behind
    EXPECT_EQ(SortedNamePlace(names, u"blue", AsciiOrder), 2);
    EXPECT_EQ(SortedNamePlace(names, u"zebra", AsciiOrder), 3);
    EXPECT_EQ(SortedNamePlace({}, u"any", AsciiOrder), 0);
}

}  // namespace
