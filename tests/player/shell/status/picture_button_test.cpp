// Picture buttons: the face, the focus mark and the enabled or disabled picture at the top-left,
// one pixel right and down while pressed, clipped to the button.
#include "player/shell/status/picture_button.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "player/resources/images.h"
#include "player/resources/window_ids.h"
#include "player/shell/status/button_drawing.h"

namespace {

const QColor kFace(0xD4, 0xD0, 0xC8);
const QColor kOutside(0xFF, 0x00, 0xFF);
const int kButtons[] = {kCommandPlay,       kCommandStop,         kCommandPrevious,
                        kCommandNext,       kCommandSettings,     kCommandAddFiles,
                        kCommandDeleteRows, kCommandSongListMenu, kCommandMoveUp,
                        kCommandMoveDown,   kCommandCloseButton,  kCommandVolume};
// Ids of other controls and commands, and ids no one has.
const int kNotButtons[] = {0, kControlSongList, kControlSongListCombo, 1036, kCommandClose};

QImage Canvas(QSize size) {
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(kOutside);
    return canvas;
}

// The button drawn into a canvas of its own size.
QImage Drawn(int id, ButtonState state) {
    QImage canvas = Canvas(PictureButtonSize(id));
    QPainter painter(&canvas);
    DrawButton(id, painter, canvas.rect(), state, kFace);
    return canvas;
}

// The button pictures are opaque or clear, pixel by pixel; clear beyond their 32 x 32.
QColor Over(QColor background, const QImage& picture, int x, int y) {
    const QRgb pixel = picture.valid(x, y) ? picture.pixel(x, y) : 0;
    return qAlpha(pixel) == 0 ? background : QColor(pixel);
}

// Whether `view` shows the picture from `at` on, over the background, as far as it reaches.
bool ShowsPicture(const QImage& view, int picture, QPoint at, QColor background) {
    const QImage image = PlayerImage(picture);
    for (int y = at.y(); y < view.height(); ++y) {
        for (int x = at.x(); x < view.width(); ++x) {
            if (view.pixelColor(x, y) != Over(background, image, x - at.x(), y - at.y()))
                return false;
        }
    }
    return true;
}

TEST(DrawButton, DrawsTheTwelveButtonsAndNothingElse) {
    for (int id : kButtons) {
        QImage canvas = Canvas(QSize(40, 40));
        QPainter painter(&canvas);
        EXPECT_EQ(DrawButton(id, painter, QRect(0, 0, 22, 22), {}, kFace), 1) << id;
    }
    for (int id : kNotButtons) {
        QImage canvas = Canvas(QSize(40, 40));
        QPainter painter(&canvas);
        EXPECT_EQ(DrawButton(id, painter, QRect(0, 0, 22, 22), {}, kFace), 0) << id;
        painter.end();
        EXPECT_EQ(canvas, Canvas(QSize(40, 40))) << id;
    }
}

TEST(DrawButton, ADisabledButtonShowsItsDisabledPictureUnmoved) {
    EXPECT_TRUE(ShowsPicture(Drawn(kCommandPlay, {.disabled = true}), kImagePlayDisabled, {0, 0},
                             Qt::black));
    EXPECT_TRUE(ShowsPicture(Drawn(kCommandPlay, {.pressed = true, .disabled = true}),
                             kImagePlayDisabled, {0, 0}, Qt::black));
}

TEST(DrawButton, APressedButtonShowsItsPictureOnePixelRightAndDown) {
    const QImage view = Drawn(kCommandPlay, {.pressed = true});
    EXPECT_TRUE(ShowsPicture(view, kImagePlay, {1, 1}, Qt::black));
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(view.pixelColor(i, 0), QColor(Qt::black));
        EXPECT_EQ(view.pixelColor(0, i), QColor(Qt::black));
    }
    EXPECT_TRUE(ShowsPicture(Drawn(kCommandPlay, {}), kImagePlay, {0, 0}, Qt::black));
}

TEST(DrawButton, TheSongListMenuSitsOnTheButtonFace) {
    const QImage view = Drawn(kCommandSongListMenu, {});
    EXPECT_EQ(view.size(), QSize(33, 19));
    EXPECT_TRUE(ShowsPicture(view, kImageSongListMenu, {0, 0}, kFace));
}

// Where the picture is clear the focus mark shows; where both are clear, the face.
bool ShowsMarkUnderPicture(const QImage& view, int mark, int picture, QColor face) {
    const QImage markImage = PlayerImage(mark), pictureImage = PlayerImage(picture);
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            const QColor under = Over(face, markImage, x, y);
            if (view.pixelColor(x, y) != Over(under, pictureImage, x, y)) return false;
        }
    }
    return true;
}

TEST(DrawButton, TheFocusMarkLiesUnderThePicture) {
    EXPECT_TRUE(ShowsMarkUnderPicture(Drawn(kCommandStop, {.focused = true}), kImageFocus,
                                      kImageStop, Qt::black));
    EXPECT_TRUE(ShowsMarkUnderPicture(Drawn(kCommandSongListMenu, {.focused = true}),
                                      kImageSongListMenuFocus, kImageSongListMenu, kFace));
    EXPECT_TRUE(ShowsMarkUnderPicture(Drawn(kCommandStop, {.disabled = true, .focused = true}),
                                      kImageFocus, kImageStopDisabled, Qt::black));
}

TEST(DrawButton, ThePicturesEndAtTheButtonsEdge) {
    for (int id : kButtons) {
        QImage canvas = Canvas(QSize(60, 60));
        const QRect button(QPoint(10, 10), PictureButtonSize(id));
        QPainter painter(&canvas);
        DrawButton(id, painter, button, {.pressed = true, .focused = true}, kFace);
        painter.end();
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (button.contains(x, y)) continue;
                ASSERT_EQ(canvas.pixelColor(x, y), kOutside) << id << " at " << x << "," << y;
            }
        }
    }
}

TEST(PictureButton, IsNamedByItsIdSizedAndATabStop) {
    PictureButton play(kCommandPlay), menu(kCommandSongListMenu);
    EXPECT_EQ(play.objectName(), "id1032");
    EXPECT_EQ(play.size(), QSize(22, 22));
    EXPECT_EQ(menu.size(), QSize(33, 19));
    EXPECT_TRUE(play.focusPolicy() & Qt::TabFocus);
}

QImage Grabbed(PictureButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PictureButton, PaintsItsStateAsDrawButtonDoes) {
    PictureButton play(kCommandPlay);
    EXPECT_TRUE(ShowsPicture(Grabbed(play), kImagePlay, {0, 0}, Qt::black));
    play.setDown(true);
    EXPECT_TRUE(ShowsPicture(Grabbed(play), kImagePlay, {1, 1}, Qt::black));
    play.setEnabled(false);
    EXPECT_TRUE(ShowsPicture(Grabbed(play), kImagePlayDisabled, {0, 0}, Qt::black));
}

}  // namespace
