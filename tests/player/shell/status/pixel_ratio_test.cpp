// The status panel on a screen of pixel ratio 2: its off-screen picture holds twice the pixels
// each way, the displays are drawn at that resolution, and the window shows them at their places
// in its own coordinates.
#include <gtest/gtest.h>

#include <QPainter>

#include "player/shell/status/status_display.h"
#include "player/shell/status/status_panel.h"
#include "tests/player/shell/status/status_checks.h"

namespace {

const QColor kFullRed(255, 3, 0);

StatusResources SharpResources() { return CreateStatusResources(TestPalette(), 2); }

TEST(PixelRatio, ThePictureHasTheScreensRatioAndTwiceThePixels) {
    const StatusResources sharp = SharpResources();
    EXPECT_EQ(sharp.picture.size(), QSize(480, 200));
    EXPECT_EQ(sharp.picture.devicePixelRatio(), 2.0);
    const StatusResources plain = TestResources();
    EXPECT_EQ(plain.picture.size(), QSize(240, 100));
    EXPECT_EQ(plain.picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(CreateStatusResources(TestPalette(), 1.25).picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(CreateStatusResources(TestPalette(), 0).picture.size(), QSize(240, 100));
}

TEST(PixelRatio, GraphColumnsAreDrawnAndScrolledInTheFinerPixels) {
    StatusResources r = SharpResources();
    DrawCpuDisplay(r, kPanel, 150);
    // Logical x 90-91, rows 0-12: device x 180-183, rows 0-25.
    for (int x : {180, 183}) EXPECT_TRUE(ColumnIs(r.picture, x, 0, 25, kFullRed)) << x;
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(172, 0), QPoint(179, 25))));
    DrawCpuDisplay(r, kPanel, 0);
    // Three logical pixels to the left: device x 174-177.
    for (int x : {174, 177}) EXPECT_TRUE(ColumnIs(r.picture, x, 0, 25, kFullRed)) << x;
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(178, 0), QPoint(179, 25))));
}

TEST(PixelRatio, TheLabelsAreDrawnWithTheFinerPixels) {
    StatusResources r = SharpResources();
    DrawCpuDisplay(r, kPanel, 0);
    // The label's cell in device pixels: x 0-65, rows 2-25; a text drawn at ratio 1 and blown up
    // would have every ink pixel in pairs, columns 2k and 2k + 1 alike.
    bool finer = false;
    for (int y = 2; y < 26 && !finer; ++y) {
        for (int x = 0; x < 66 && !finer; x += 2)
            finer = r.picture.pixel(x, y) != r.picture.pixel(x + 1, y);
    }
    EXPECT_TRUE(HasInk(r.picture, QRect(0, 2, 66, 24)));
    EXPECT_TRUE(finer);
}

TEST(PixelRatio, TheWindowShowsEachRegionAtItsPlaceFromTheFinerPicture) {
    StatusResources r = SharpResources();
    DrawCpuDisplay(r, kPanel, 150);
    QImage window(QSize(800, 160) * 2, QImage::Format_RGB32);
    window.setDevicePixelRatio(2);
    window.fill(Qt::blue);
    {
        QPainter painter(&window);
        PaintStatusPanel(painter, r, kPanel);
    }
    // The CPU region shows at (11, 129) in the window: its column at logical x 101-102.
    const QRect column(QPoint(2 * 101, 2 * 129), QPoint(2 * 102 + 1, 2 * 141 + 1));
    EXPECT_EQ(window.copy(column), r.picture.copy(QRect(QPoint(180, 0), QPoint(183, 25))));
}

}  // namespace
