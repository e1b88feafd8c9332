// The arithmetic of the main window's place: the kept place when a work area still shows it,
// and the restored place of a window that opens maximized.
#include "player/model/window_places.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const std::vector<PixelRect> kOneScreen = {{0, 0, 1920, 1050}};

WindowMemory Kept(int x, int y, int width, int height) {
    WindowMemory kept;
    kept.windowX = x;
    kept.windowY = y;
    kept.windowWidth = width;
    kept.windowHeight = height;
    return kept;
}

TEST(WindowPlacesTest, APlaceWithinAWorkAreaIsKept) {
    EXPECT_EQ(KeptWindowPlace(Kept(100, 50, 800, 600), 270, 150, kOneScreen),
              (PixelRect{100, 50, 800, 600}));
    // Partly off the screen to the right and below: enough of it still shows.
    EXPECT_EQ(KeptWindowPlace(Kept(1700, 900, 800, 600), 270, 150, kOneScreen), std::nullopt);
    EXPECT_EQ(KeptWindowPlace(Kept(1600, 800, 800, 600), 270, 150, kOneScreen),
              (PixelRect{1600, 800, 800, 600}));
}

TEST(WindowPlacesTest, ATopEdgeOutsideTheWorkAreaOrTooSmallAPlaceIsNotKept) {
    EXPECT_EQ(KeptWindowPlace(Kept(100, -10, 800, 600), 270, 150, kOneScreen), std::nullopt);
    EXPECT_EQ(KeptWindowPlace(Kept(100, 50, 269, 600), 270, 150, kOneScreen), std::nullopt);
    EXPECT_EQ(KeptWindowPlace(Kept(100, 50, 800, 600), 900, 150, kOneScreen), std::nullopt);
    EXPECT_EQ(KeptWindowPlace(Kept(100, 50, 800, 600), 270, 150, {}), std::nullopt);
}

TEST(WindowPlacesTest, ASecondScreenKeepsAPlaceTheFirstDoesNotShow) {
    const std::vector<PixelRect> two = {{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
    EXPECT_EQ(KeptWindowPlace(Kept(2000, 100, 800, 600), 270, 150, two),
              (PixelRect{2000, 100, 800, 600}));
    EXPECT_EQ(KeptWindowPlace(Kept(2000, 100, 800, 600), 270, 150, kOneScreen), std::nullopt);
}

TEST(WindowPlacesTest, NumbersNoDesktopReachesAreNotKept) {
    EXPECT_EQ(KeptWindowPlace(Kept(INT_MAX, 0, 800, 600), 270, 150, kOneScreen), std::nullopt);
    EXPECT_EQ(KeptWindowPlace(Kept(0, 0, 70000, 600), 270, 150, kOneScreen), std::nullopt);
    EXPECT_EQ(KeptWindowPlace(Kept(-70000, 0, 800, 600), 270, 150, kOneScreen), std::nullopt);
}

TEST(WindowPlacesTest, TheRestoredPlaceIsThreeQuartersOfTheWorkAreaInItsMiddle) {
    EXPECT_EQ(RestoredWindowPlace({0, 0, 1920, 1050}), (PixelRect{240, 131, 1440, 788}));
    EXPECT_EQ(RestoredWindowPlace({1920, 30, 1022, 1023}), (PixelRect{2047, 158, 767, 767}));
}

}  // namespace
