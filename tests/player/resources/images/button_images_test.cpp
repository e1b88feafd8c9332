// Button pictures as the buttons show them: clipped to the button at its top-left corner, moved
// one pixel right and down while pressed, under the focus mark.
#include <gtest/gtest.h>

#include "player/resources/images.h"
#include "tests/player/resources/images/image_checks.h"

namespace {

// Every picture a button shows, with what it shows of it.
std::vector<std::pair<int, QSize>> ButtonPictures() {
    std::vector<std::pair<int, QSize>> pictures;
    for (const ButtonImages& button : MainWindowButtons()) {
        pictures.push_back({button.enabled, button.visible});
        pictures.push_back({button.disabled, button.visible});
    }
    return pictures;
}

TEST(ButtonImages, EnabledAndDisabledPicturesDiffer) {
    for (const ButtonImages& button : MainWindowButtons()) {
        if (button.enabled == button.disabled) continue;
        EXPECT_NE(PlayerImage(button.enabled), PlayerImage(button.disabled)) << button.enabled;
    }
}

TEST(ButtonImages, MotifsStayWholeInTheButtonAlsoWhenPressed) {
    for (const auto& [id, visible] : ButtonPictures()) {
        const QRect motif = OpaqueBounds(PlayerImage(id));
        ASSERT_FALSE(motif.isEmpty()) << id;
        // One pixel to spare at the right and bottom for the pressed offset.
        EXPECT_TRUE(QRect(QPoint(0, 0), visible - QSize(1, 1)).contains(motif)) << id;
    }
}

TEST(ButtonImages, MotifsAreCentredInTheButton) {
    for (const auto& [id, visible] : ButtonPictures()) {
        const QRectF motif = OpaqueBounds(PlayerImage(id));
        const QPointF offCentre = motif.center() - QRectF(QPoint(0, 0), visible).center();
        EXPECT_LE(std::abs(offCentre.x()), 1.0) << id;
        EXPECT_LE(std::abs(offCentre.y()), 1.0) << id;
    }
}

TEST(ButtonImages, DisabledPicturesOnBlackAreTheMotifDimmedToGrey) {
    for (const ButtonImages& button : MainWindowButtons()) {
        if (button.enabled == button.disabled || button.focus != 129) continue;
        const QImage enabled = PlayerImage(button.enabled);
        const QImage disabled = PlayerImage(button.disabled);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb on = enabled.pixel(x, y), off = disabled.pixel(x, y);
                ASSERT_EQ(qAlpha(on), qAlpha(off)) << button.disabled << " at " << x << "," << y;
                if (qAlpha(off) == 0) continue;
                EXPECT_TRUE(qRed(off) == qGreen(off) && qGreen(off) == qBlue(off))
                    << button.disabled;
                EXPECT_LT(qGray(off), qMax(qRed(on), qMax(qGreen(on), qBlue(on))))
                    << button.disabled;
            }
        }
    }
}

TEST(ButtonImages, MotifsStandOutFromTheButtonBackground) {
    for (const ButtonImages& button : MainWindowButtons()) {
        const QImage image = PlayerImage(button.enabled);
        const bool lightFace = button.focus == 146;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) continue;
                // Black behind most buttons, the light button face behind the song-list menu.
                if (lightFace)
                    EXPECT_LT(qGray(pixel), 0x60) << button.enabled;
                else
                    EXPECT_GT(qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))), 0xA0)
                        << button.enabled;
            }
        }
    }
}

TEST(ButtonImages, FocusMarksFrameTheButtonClearOfItsMotif) {
    for (const ButtonImages& button : MainWindowButtons()) {
        const QImage mark = PlayerImage(button.focus);
        const QRect frame = OpaqueBounds(mark);
        // Inside the button and around its whole edge, within a pixel or two.
        EXPECT_TRUE(QRect(QPoint(0, 0), button.visible).contains(frame)) << button.focus;
        EXPECT_LE(frame.left(), 1) << button.focus;
        EXPECT_LE(frame.top(), 1) << button.focus;
        EXPECT_GE(frame.right(), button.visible.width() - 2) << button.focus;
        EXPECT_GE(frame.bottom(), button.visible.height() - 2) << button.focus;
        for (int pressed : {0, 1}) {
            EXPECT_FALSE(Overlap(mark, PlayerImage(button.enabled), pressed, pressed))
                << button.enabled;
        }
    }
}

}  // namespace
