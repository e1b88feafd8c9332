// The panel as the window paints it: a sunken frame, the separator, and the three displays
// copied from the off-screen picture to their places.
#include "player/shell/status/status_panel.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "player/shell/status/status_display.h"
#include "tests/player/shell/status/status_checks.h"

namespace {

const QColor kOutside(0xFF, 0x00, 0xFF);
const QColor kShadow(0x40, 0x50, 0x60);  // TestPalette's button shadow
const QColor kWhite(Qt::white);

QImage Window() {
    QImage window(800, 160, QImage::Format_RGB32);
    window.fill(kOutside);
    return window;
}

QImage PaintedPanel(const StatusResources& r) {
    QImage window = Window();
    QPainter painter(&window);
    PaintStatusPanel(painter, r, kPanel);
    return window;
}

TEST(StatusPanel, LiesAlongTheWindowFoot) {
    // left 1, top H - 60, right W - 1, bottom H - 1, the right and bottom edges outside.
    EXPECT_EQ(StatusPanelRect(QSize(800, 160)), kPanel);
    EXPECT_EQ(StatusPanelRect(QSize(240, 320)), QRect(1, 260, 238, 59));
}

TEST(StatusPanel, EachDisplayReturnsWhereItShowsInTheWindow) {
    StatusResources r = TestResources();
    int busyFrame = 0;
    EXPECT_EQ(DrawCpuDisplay(r, kPanel, 0), QRect(11, 129, 150, 13));
    EXPECT_EQ(DrawPolyDisplay(r, kPanel, 0, 16), QRect(11, 142, 150, 13));
    EXPECT_EQ(DrawTimeDisplay(r, kPanel, 0, busyFrame), QRect(166, 129, 50, 25));
}

TEST(StatusPanel, TheFrameIsShadowAboveAndLeftWhiteBelowAndRight) {
    const QImage window = PaintedPanel(TestResources());
    // Panel pixels x 1..798, y 100..158.
    EXPECT_TRUE(ColumnIs(window, 1, 100, 157, kShadow));
    for (int x : {1, 2, 400, 797, 798}) EXPECT_EQ(window.pixelColor(x, 100), kShadow) << x;
    EXPECT_TRUE(ColumnIs(window, 798, 101, 158, kWhite));
    for (int x : {1, 2, 400, 797}) EXPECT_EQ(window.pixelColor(x, 158), kWhite) << x;
    EXPECT_EQ(window.pixelColor(400, 120), QColor(Qt::black));
}

TEST(StatusPanel, TheSeparatorRunsUnderTheButtons) {
    const QImage window = PaintedPanel(TestResources());
    // From (left + 3, top + 26) to, not including, (right - 4, top + 26): x 4 to 794.
    EXPECT_EQ(window.pixelColor(3, 126), QColor(Qt::black));
    for (int x : {4, 400, 794}) EXPECT_EQ(window.pixelColor(x, 126), kWhite) << x;
    EXPECT_EQ(window.pixelColor(795, 126), QColor(Qt::black));
}

TEST(StatusPanel, PaintsNothingOutsideThePanel) {
    const QImage window = PaintedPanel(TestResources());
    for (QPoint outside :
         {QPoint(0, 100), QPoint(799, 100), QPoint(1, 99), QPoint(798, 159), QPoint(0, 159)}) {
        EXPECT_EQ(window.pixelColor(outside), kOutside) << outside.x() << "," << outside.y();
    }
}

TEST(StatusPanel, ShowsEachDisplayAtItsPlace) {
    StatusResources r = TestResources();
    int busyFrame = 0;
    DrawCpuDisplay(r, kPanel, 100);
    DrawPolyDisplay(r, kPanel, 16, 16);
    DrawTimeDisplay(r, kPanel, 0, busyFrame);
    const QImage window = PaintedPanel(r);
    const QColor red(255, 3, 0);
    // The CPU column (90, 0..12) from (panel left + 10, panel top + 29) on.
    EXPECT_TRUE(ColumnIs(window, 101, 129, 141, red));
    // The POLY column (90, 14..26) from (panel left + 10, panel top + 42), 13 rows from row 13:
    // its last row is not shown.
    EXPECT_TRUE(ColumnIs(window, 101, 143, 154, red));
    EXPECT_EQ(window.pixelColor(101, 155), QColor(Qt::black));
    // The activity frame at (183, 1), from the time area's (155, 0) at (panel left + 165, top +
    // 29).
    EXPECT_EQ(window.copy(194, 130, 12, 12), r.picture.copy(183, 1, 12, 12));
    EXPECT_TRUE(HasInk(window, QRect(194, 130, 12, 12)));
}

// Reports repaint only their own rectangle; covering and uncovering the window repaints all of
// it. Both must show the same.
TEST(StatusPanel, ARepaintShowsWhatTheReportsDrew) {
    StatusResources r = TestResources();
    QImage live = PaintedPanel(r);
    int busyFrame = 0;
    for (int report = 0; report < 6; ++report) {
        const QRect rects[] = {DrawTimeDisplay(r, kPanel, 59990 + report * 7000, busyFrame),
                               DrawPolyDisplay(r, kPanel, 30 + 256 * 31u, 32),
                               DrawCpuDisplay(r, kPanel, 99 + 65536 * 999u)};
        for (const QRect& rect : rects) {
            QPainter painter(&live);
            painter.setClipRect(rect);
            PaintStatusPanel(painter, r, kPanel);
        }
    }
    EXPECT_EQ(PaintedPanel(r), live);
}

}  // namespace
