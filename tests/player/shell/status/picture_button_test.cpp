// Picture buttons: the face, the focus mark and the enabled or disabled picture at the top-left,
// one pixel right and down while pressed, clipped to the button.
#include <gtest/gtest.h>

#include <QPainter>

#include "player/resources/images.h"
#include "player/shell/status/button_drawing.h"
#include "player/shell/status/picture_button.h"

namespace {

const QColor kFace(0xD4, 0xD0, 0xC8);
const QColor kOutside(0xFF, 0x00, 0xFF);
const int kButtons[] = {1032, 1033, 1034, 1035, 1037, 1012, 1011, 1013, 1014, 1015, 1016, 1017};

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
            if (view.pixelColor(x, y) != Over(background, image, x - at.x(), y - at.y())) return false;
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
    for (int id : {0, 1000, 1022, 1036, 2}) {
        QImage canvas = Canvas(QSize(40, 40));
        QPainter painter(&canvas);
        EXPECT_EQ(DrawButton(id, painter, QRect(0, 0, 22, 22), {}, kFace), 0) << id;
        painter.end();
        EXPECT_EQ(canvas, Canvas(QSize(40, 40))) << id;
    }
}

TEST(DrawButton, ADisabledButtonShowsItsDisabledPictureUnmoved) {
    EXPECT_TRUE(ShowsPicture(Drawn(1032, {.disabled = true}), 128, {0, 0}, Qt::black));
    EXPECT_TRUE(ShowsPicture(Drawn(1032, {.pressed = true, .disabled = true}), 128, {0, 0}, Qt::black));
}

TEST(DrawButton, APressedButtonShowsItsPictureOnePixelRightAndDown) {
    const QImage view = Drawn(1032, {.pressed = true});
    EXPECT_TRUE(ShowsPicture(view, 125, {1, 1}, Qt::black));
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(view.pixelColor(i, 0), QColor(Qt::black));
        EXPECT_EQ(view.pixelColor(0, i), QColor(Qt::black));
    }
    EXPECT_TRUE(ShowsPicture(Drawn(1032, {}), 125, {0, 0}, Qt::black));
}

TEST(DrawButton, TheSongListMenuSitsOnTheButtonFace) {
    const QImage view = Drawn(1013, {});
    EXPECT_EQ(view.size(), QSize(33, 19));
    EXPECT_TRUE(ShowsPicture(view, 144, {0, 0}, kFace));
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
    EXPECT_TRUE(ShowsMarkUnderPicture(Drawn(1033, {.focused = true}), 129, 130, Qt::black));
    EXPECT_TRUE(ShowsMarkUnderPicture(Drawn(1013, {.focused = true}), 146, 144, kFace));
    EXPECT_TRUE(ShowsMarkUnderPicture(Drawn(1033, {.disabled = true, .focused = true}), 129, 132, Qt::black));
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
    PictureButton play(1032), menu(1013);
    EXPECT_EQ(play.objectName(), "id1032");
    EXPECT_EQ(play.size(), QSize(22, 22));
    EXPECT_EQ(menu.size(), QSize(33, 19));
    EXPECT_TRUE(play.focusPolicy() & Qt::TabFocus);
}

QImage Grabbed(PictureButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PictureButton, PaintsItsStateAsDrawButtonDoes) {
    PictureButton play(1032);
    EXPECT_TRUE(ShowsPicture(Grabbed(play), 125, {0, 0}, Qt::black));
    play.setDown(true);
    EXPECT_TRUE(ShowsPicture(Grabbed(play), 125, {1, 1}, Qt::black));
    play.setEnabled(false);
    EXPECT_TRUE(ShowsPicture(Grabbed(play), 128, {0, 0}, Qt::black));
}

}  // namespace
