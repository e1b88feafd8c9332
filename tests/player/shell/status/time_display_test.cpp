// The time area: the play time as minutes:seconds.hundredths and the activity picture, whose
// two frames alternate with every report.
#include <gtest/gtest.h>

#include "player/shell/status/status_display.h"
#include "tests/player/shell/status/status_checks.h"

namespace {

QImage ActivityFrame(const StatusResources& r, int frame) {
    return r.activity.copy(frame * 12, 0, 12, 12).convertToFormat(r.picture.format());
}

QImage ShownFrame(const StatusResources& r) { return r.picture.copy(183, 1, 12, 12); }

TEST(TimeDisplay, FirstDrawingShowsZeroTimeThenTheFramesAlternate) {
    StatusResources r = TestResources();
    int busyFrame = 0;
    DrawTimeDisplay(r, kPanel, 0, busyFrame);
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(157, 1), "Time", 26));
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(160, 13), "00:00.00", 70));
    EXPECT_EQ(ShownFrame(r), ActivityFrame(r, 0));
    EXPECT_EQ(busyFrame, 1);
    // The frames alternate with every report.
    DrawTimeDisplay(r, kPanel, 500, busyFrame);
    EXPECT_EQ(ShownFrame(r), ActivityFrame(r, 1));
    EXPECT_EQ(busyFrame, 0);
    DrawTimeDisplay(r, kPanel, 1000, busyFrame);
    EXPECT_EQ(ShownFrame(r), ActivityFrame(r, 0));
    EXPECT_EQ(busyFrame, 1);
}

TEST(TimeDisplay, MinutesWrapAtAnHourAndTheTimeCountsUnsigned) {
    StatusResources r = TestResources();
    int busyFrame = 0;
    // 3723450 ms: 62 minutes (shown 02), 3723 s (03), 372345 hundredths (45).
    DrawTimeDisplay(r, kPanel, 3723450, busyFrame);
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(160, 13), "02:03.45", 70));
    // -1 is 4294967295 ms: 71582 minutes (02), 4294967 s (47), 429496729 hundredths (29).
    DrawTimeDisplay(r, kPanel, -1, busyFrame);
    EXPECT_TRUE(ShowsText(r.picture, r.font, QPoint(160, 13), "02:47.29", 70));
}

TEST(TimeDisplay, ClearsItsAreaAndNothingElse) {
    StatusResources r = TestResources();
    r.picture.fill(Qt::white);
    int busyFrame = 0;
    DrawTimeDisplay(r, kPanel, 0, busyFrame);
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(155, 0), QPoint(229, 0))));
    EXPECT_TRUE(IsBlack(r.picture, QRect(QPoint(155, 25), QPoint(229, 26))));
    EXPECT_EQ(r.picture.pixelColor(154, 10), QColor(Qt::white));
    EXPECT_EQ(r.picture.pixelColor(230, 10), QColor(Qt::white));
    EXPECT_EQ(r.picture.pixelColor(200, 27), QColor(Qt::white));
}

}  // namespace
