// The song rows' pictures and the activity strip beside the play time.
#include <gtest/gtest.h>

#include "player/resources/images.h"
#include "tests/player/resources/images/image_checks.h"

namespace {

constexpr int kFrame = 12;

TEST(RowImages, RowPicturesAreSmallWithATransparentSurround) {
    for (int id : {kImageRowNormal, kImageRowPlaying, kImageRowTitle, kImageRowFailed}) {
        const QImage image = PlayerImage(id);
        ASSERT_EQ(image.size(), QSize(16, 16)) << id;
        EXPECT_TRUE(image.hasAlphaChannel()) << id;
        // The list's own background shows around the shape.
        for (QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << id;
        }
        EXPECT_GE(OpaqueBounds(image).width(), 6) << id;
    }
}

TEST(RowImages, TheFourRowStatesLookDifferent) {
    const QImage pictures[] = {PlayerImage(kImageRowNormal), PlayerImage(kImageRowPlaying),
                               PlayerImage(kImageRowTitle), PlayerImage(kImageRowFailed)};
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) EXPECT_NE(pictures[a], pictures[b]) << a << " " << b;
    }
}

QImage Frame(const QImage& strip, int frame) {
    return strip.copy(frame * kFrame, 0, kFrame, kFrame);
}

bool HasLight(const QImage& frame) {
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (qGray(frame.pixel(x, y)) > 0x40) return true;
        }
    }
    return false;
}

TEST(ActivityStrip, TheTwoFramesShownDifferAndBothShowSomething) {
    const QImage strip = PlayerImage(kImageActivity);
    ASSERT_EQ(strip.size(), QSize(96, 12));
    EXPECT_NE(Frame(strip, 0), Frame(strip, 1));
    EXPECT_TRUE(HasLight(Frame(strip, 0)));
    EXPECT_TRUE(HasLight(Frame(strip, 1)));
}

TEST(ActivityStrip, IsOpaqueOnBlackLikeTheStatusPanel) {
    const QImage strip = PlayerImage(kImageActivity);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x)
            ASSERT_EQ(qAlpha(strip.pixel(x, y)), 255) << x << "," << y;
    }
    // Each frame's edge is black, so it sits on the panel without a seam.
    for (int frame : {0, 1}) {
        for (int i = 0; i < kFrame; ++i) {
            EXPECT_EQ(strip.pixel(frame * kFrame + i, 0), qRgb(0, 0, 0));
            EXPECT_EQ(strip.pixel(frame * kFrame, i), qRgb(0, 0, 0));
        }
    }
}

}  // namespace
