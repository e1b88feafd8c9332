// What the player reads from a startup id handed over under X11 and what it broadcasts to end the
// launch's feedback: the launch's time, and the id quoted as a launcher reads it back.
#include "player/model/startup_id.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(StartupIdTest, TheTimeIsTheNumberAfterTheLastTimeMarkAtTheEnd) {
    EXPECT_EQ(StartupTime("tesalo-test-12_TIME4017"), 4017u);
    EXPECT_EQ(StartupTime("a_TIME1_b_TIME4294967295"), 4294967295u);
    EXPECT_EQ(StartupTime("launcher/host-1-2_TIME0"), 0u);
}

TEST(StartupIdTest, WithoutAReadableTimeTheCurrentTimeIsAsked) {
    for (const std::string& id : {"plain-id"s, "x_TIME"s, "x_TIME12ab"s, "x_TIME-5"s, "x_TIME+5"s,
                                  "x_TIME 5"s, "x_TIME4294967296"s, "x_TIME12_rest"s, ""s}) {
        EXPECT_EQ(StartupTime(id), 0u) << id;
    }
}

TEST(StartupIdTest, TheRemoveMessageQuotesAnIdThatNeedsItAndEndsWithItsZero) {
    EXPECT_EQ(StartupRemoveMessage("tesalo-test-12_TIME4017"),
              "remove: ID=tesalo-test-12_TIME4017\0"s);
    EXPECT_EQ(StartupRemoveMessage("say\"hi\""), "remove: ID=\"say\\\"hi\\\"\"\0"s);
    EXPECT_EQ(StartupRemoveMessage("back\\slash"), "remove: ID=\"back\\\\slash\"\0"s);
    EXPECT_EQ(StartupRemoveMessage("two words"), "remove: ID=\"two words\"\0"s);
}

}  // namespace
