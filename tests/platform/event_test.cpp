#include "platform/event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace platform {

TEST(NamedEvents, AThreadOpensTheEventByNameAndReleasesTheWaiter) {
    EventHandle created = CreateNamedEvent("TEST_HANDSHAKE");
    ASSERT_NE(created, nullptr);
    std::atomic<bool> ready{false};
    std::thread worker([&ready] {
        EventHandle opened = OpenNamedEvent("TEST_HANDSHAKE");
        ASSERT_NE(opened, nullptr);
        ready = true;
        SignalEvent(opened);
        CloseEvent(opened);
    });
    WaitEvent(created);
    EXPECT_TRUE(ready);
    WaitEvent(created);  // manual reset: it stays signalled
    worker.join();
    CloseEvent(created);
}

TEST(NamedEvents, AnEventEndsWithItsLastHandle) {
    EXPECT_EQ(OpenNamedEvent("TEST_UNKNOWN"), nullptr);
    EventHandle first = CreateNamedEvent("TEST_COUNTED");
    EventHandle second = CreateNamedEvent("TEST_COUNTED");
    EXPECT_EQ(first, second);
    CloseEvent(first);
    EventHandle third = OpenNamedEvent("TEST_COUNTED");
    EXPECT_EQ(third, second);
    CloseEvent(second);
    CloseEvent(third);
    EXPECT_EQ(OpenNamedEvent("TEST_COUNTED"), nullptr);
}

}  // namespace platform
