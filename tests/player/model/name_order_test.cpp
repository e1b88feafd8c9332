// The sorted place of a name, as the song lists' combo box orders its names.
#include "player/model/name_order.h"

#include <gtest/gtest.h>

#include "tests/player/model/ascii_order.h"

namespace {

TEST(NameOrderTest, ANameGoesBehindEveryNameThatDoesNotComeAfterIt) {
    const std::vector<std::u16string> names = {u"Apple", u"banana", u"Cherry"};
    EXPECT_EQ(SortedNamePlace(names, u"aardvark", AsciiOrder), 0);
    EXPECT_EQ(SortedNamePlace(names, u"BANANA", AsciiOrder), 2);  // an equal name goes behind
    EXPECT_EQ(SortedNamePlace(names, u"blue", AsciiOrder), 2);
    EXPECT_EQ(SortedNamePlace(names, u"zebra", AsciiOrder), 3);
    EXPECT_EQ(SortedNamePlace({}, u"any", AsciiOrder), 0);
}

}  // namespace
