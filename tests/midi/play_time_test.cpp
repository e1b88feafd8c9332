#include "midi/play_time.h"

#include <gtest/gtest.h>

TEST(PlayTimeTest, MinutesThenSecondsWithTwoDigitsAtLeast) {
    EXPECT_EQ(FormatPlayTime(0), u"00:00");
    EXPECT_EQ(FormatPlayTime(59), u"00:59");
    EXPECT_EQ(FormatPlayTime(75), u"01:15");
    EXPECT_EQ(FormatPlayTime(3599), u"59:59");
    EXPECT_EQ(FormatPlayTime(6000), u"100:00");
}
