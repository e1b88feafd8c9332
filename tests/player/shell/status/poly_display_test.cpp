// The POLY strip: columns hanging from row 14, the bar the voices in use against the polyphony
// limit, and the figure "voices/requested(Req.)".
#include <gtest/gtest.h>

#include "player/shell/status/status_display.h"
#include "tests/player/shell/status/status_checks.h"

namespace {

const QColor kGreen(0, 255, 0);
const QColor kFullRed(255, 3, 0);

std::uint32_t PolyReport(unsigned voices, unsigned requested) { return voices + 256u * requested; }

TEST(PolyDisplay, FirstDrawingShowsZeroesAndAMarkOnTheTopLine) {
    StatusResources r = TestResources();
    DrawPolyDisplay(r, kPanel, 0, 16);
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(0, 13), "POLY", 33));
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(95, 13), "00/00(Req.)", 60));
    EXPECT_EQ(r.picture.pixelColor(90, 14), kGreen);
    EXPECT_EQ(r.picture.pixelColor(91, 14), kGreen);
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(90, 15), QPoint(91, 26))));
}

TEST(PolyDisplay, AsManyVoicesAsTheLimitHangAFullColumn) {
    StatusResources r = TestResources();
    DrawPolyDisplay(r, kPanel, PolyReport(16, 20), 16);
    EXPECT_TRUE(ColumnIs(r.picture, 90, 14, 26, kFullRed));
    EXPECT_TRUE(ColumnIs(r.picture, 91, 14, 26, kFullRed));
    EXPECT_TRUE(IsBlack(r.picture, QRect(90, 13, 2, 1)));
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(95, 13), "16/20(Req.)", 60));
}

TEST(PolyDisplay, BarIsTheShareOfTheLimitRoundedDown) {
    StatusResources r = TestResources();
    // 7 x 12 / 16 = 5: rows 14 to 19, red 42 x 5.
    DrawPolyDisplay(r, kPanel, PolyReport(7, 9), 16);
    EXPECT_TRUE(ColumnIs(r.picture, 90, 14, 19, QColor(210, 255, 0)));
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(90, 20), QPoint(91, 26))));
}

TEST(PolyDisplay, MoreVoicesThanTheLimitStayAFullColumn) {
    StatusResources r = TestResources();
    DrawPolyDisplay(r, kPanel, PolyReport(40, 120), 16);
    EXPECT_TRUE(ColumnIs(r.picture, 90, 14, 26, kFullRed));
    EXPECT_TRUE(IsBlack(r.picture, QRect(90, 27, 2, 1)));
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(95, 13), "40/120(Req.)", 65));
}

TEST(PolyDisplay, ALimitOfNothingShowsEveryReportFull) {
    StatusResources r = TestResources();
    DrawPolyDisplay(r, kPanel, 0, 0);
    EXPECT_TRUE(ColumnIs(r.picture, 90, 14, 26, kFullRed));
}

TEST(PolyDisplay, TheTwoGraphsScrollApart) {
    StatusResources r = TestResources();
    DrawPolyDisplay(r, kPanel, PolyReport(16, 16), 16);
    DrawCpuDisplay(r, kPanel, 100);
    DrawCpuDisplay(r, kPanel, 100);
    // Two CPU reports moved the CPU columns, not the POLY one; a POLY report moves its own.
    EXPECT_TRUE(ColumnIs(r.picture, 90, 14, 26, kFullRed));
    EXPECT_TRUE(IsBlack(r.picture, QRect(87, 14, 2, 13)));
    DrawPolyDisplay(r, kPanel, 0, 16);
    EXPECT_TRUE(ColumnIs(r.picture, 87, 14, 26, kFullRed));
    EXPECT_TRUE(ColumnIs(r.picture, 87, 0, 12, kFullRed));
    EXPECT_TRUE(ColumnIs(r.picture, 90, 0, 12, kFullRed));
}

}  // namespace
