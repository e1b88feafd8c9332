// The main window's controls and status panel placed by the client size, without a window.
#include "player/model/control_places.h"

#include <gtest/gtest.h>

#include "player/resources/window_ids.h"

namespace {

TEST(ControlPlacesTest, ControlsArePlacedByTheClientSize) {
    // 1024 x 740: the panel's top is 680, its buttons 23 pixels apart from x 7.
    EXPECT_EQ(PanelPlace(1024, 740), (PixelRect{1, 680, 1022, 59}));
    EXPECT_EQ(ControlPlace(kControlSongListCombo, 1024, 740), (PixelRect{1, 1, 974, 100}));
    EXPECT_EQ(ControlPlace(kControlSongList, 1024, 740), (PixelRect{1, 26, 1022, 652}));
    EXPECT_EQ(ControlPlace(kCommandPlay, 1024, 740), (PixelRect{7, 684, 22, 22}));
    EXPECT_EQ(ControlPlace(kCommandVolume, 1024, 740), (PixelRect{214, 684, 22, 22}));
    EXPECT_EQ(ControlPlace(kCommandCloseButton, 1024, 740), (PixelRect{996, 715, 22, 22}));
    EXPECT_EQ(ControlPlace(kCommandSongListMenu, 1024, 740), (PixelRect{984, 3, 33, 19}));
    EXPECT_EQ(ControlPlace(kControlSongList, 800, 600), (PixelRect{1, 26, 798, 512}));
    EXPECT_EQ(ControlPlace(kCommandNext, 800, 600), (PixelRect{76, 544, 22, 22}));
}

TEST(ControlPlacesTest, AnIdThatIsNoControlHasNoPlace) {
    EXPECT_EQ(ControlPlace(kCommandPause, 1024, 740), PixelRect{});
    EXPECT_EQ(ControlPlace(0, 1024, 740), PixelRect{});
}

}  // namespace
