// The CPU strip: a column per load report at x 90-91 rising from row 12, earlier columns moving
// 3 pixels left, and the figure "load%(busy ms)" beside the graph.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "player/shell/status/status_display.h"
#include "tests/player/shell/status/status_checks.h"

namespace {

const QColor kGreen(0, 255, 0);
const QColor kFullRed(255, 3, 0);  // bar 12: green 507 - 42 x 12

std::uint32_t CpuReport(unsigned load, int busyMs) {
    return load + 65536u * static_cast<std::uint16_t>(busyMs);
}

TEST(CpuDisplay, FirstDrawingShowsAZeroFigureAndAMarkOnTheBaseline) {
    StatusResources r = TestResources();
    DrawCpuDisplay(r, kPanel, 0);
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(0, 1), "CPU", 33));
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(95, 1), " 0%(  0ms)", 60));
    EXPECT_EQ(r.picture.pixelColor(90, 12), kGreen);
    EXPECT_EQ(r.picture.pixelColor(91, 12), kGreen);
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(90, 0), QPoint(91, 11))));
}

TEST(CpuDisplay, AnOverloadIsAFullRedColumnWithItsFigure) {
    StatusResources r = TestResources();
    DrawCpuDisplay(r, kPanel, CpuReport(150, 30));
    EXPECT_TRUE(ColumnIs(r.picture, 90, 0, 12, kFullRed));
    EXPECT_TRUE(ColumnIs(r.picture, 91, 0, 12, kFullRed));
    const int width = QFontMetrics(r.font).horizontalAdvance("150%");
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(95, 1), "150%", width));
}

TEST(CpuDisplay, TheBusyTimeIsSigned) {
    StatusResources r = TestResources();
    DrawCpuDisplay(r, kPanel, CpuReport(50, -5));
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(95, 1), "50%( -5ms)", 60));
}

TEST(CpuDisplay, TheFigureStaysInsideTheStripRows) {
    StatusResources r = TestResources();
    DrawCpuDisplay(r, kPanel, CpuReport(88, 123));
    EXPECT_TRUE(HasInk(r.picture, QRect(QPoint(95, 1), QPoint(155, 12))));
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(0, 0), QPoint(155, 0))));
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(0, 13), QPoint(239, 99))));
}

// Loads that give each bar height b = load x 12 / 100, and its colour worked out by hand.
struct Ramp {
    unsigned load;
    int bar;
    QColor colour;
};

const Ramp kRamp[] = {
    {0, 0, QColor(0, 255, 0)},    {8, 0, QColor(0, 255, 0)},    {9, 1, QColor(42, 255, 0)},
    {17, 2, QColor(84, 255, 0)},  {25, 3, QColor(126, 255, 0)}, {34, 4, QColor(168, 255, 0)},
    {42, 5, QColor(210, 255, 0)}, {50, 6, QColor(252, 255, 0)}, {59, 7, QColor(255, 213, 0)},
    {67, 8, QColor(255, 171, 0)}, {75, 9, QColor(255, 129, 0)}, {84, 10, QColor(255, 87, 0)},
    {92, 11, QColor(255, 45, 0)}, {100, 12, QColor(255, 3, 0)}, {101, 12, QColor(255, 3, 0)},
};

TEST(GraphColumns, GrowWithTheLoadFromGreenThroughYellowToRed) {
    for (const Ramp& step : kRamp) {
        StatusResources r = TestResources();
        DrawCpuDisplay(r, kPanel, step.load);
        const int top = 12 - step.bar;
        EXPECT_TRUE(ColumnIs(r.picture, 90, top, 12, step.colour)) << step.load;
        EXPECT_TRUE(ColumnIs(r.picture, 91, top, 12, step.colour)) << step.load;
        if (top > 0) {
            EXPECT_TRUE(IsBlack(r.picture, QRect(90, 0, 2, top))) << step.load;
        }
    }
}

TEST(GraphColumns, EachReportMovesTheEarlierColumnsThreePixelsLeft) {
    StatusResources r = TestResources();
    DrawCpuDisplay(r, kPanel, 100);
    DrawCpuDisplay(r, kPanel, 0);
    EXPECT_TRUE(ColumnIs(r.picture, 87, 0, 12, kFullRed));
    EXPECT_TRUE(ColumnIs(r.picture, 88, 0, 12, kFullRed));
    EXPECT_TRUE(IsBlack(r.picture, QRect(89, 0, 1, 13)));  // the gap between columns
    EXPECT_TRUE(IsBlack(r.picture, QRect(90, 0, 2, 12)));
    EXPECT_EQ(r.picture.pixelColor(90, 12), kGreen);
}

TEST(GraphColumns, TheOldestColumnLeavesAtTheGraphsLeftEdge) {
    StatusResources r = TestResources();
    DrawCpuDisplay(r, kPanel, 100);
    // Twenty columns fit from x 33 to 91: after 19 more the full one is the leftmost ...
    for (int i = 0; i < 19; ++i) DrawCpuDisplay(r, kPanel, 0);
    EXPECT_TRUE(ColumnIs(r.picture, 33, 0, 12, kFullRed));
    EXPECT_TRUE(ColumnIs(r.picture, 34, 0, 12, kFullRed));
    // ... and the next report takes it out of the graph without drawing left of it.
    DrawCpuDisplay(r, kPanel, 0);
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(30, 0), QPoint(35, 11))));
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(30, 12), QPoint(32, 12))));
    EXPECT_EQ(r.picture.pixelColor(33, 12), kGreen);
}

}  // namespace
