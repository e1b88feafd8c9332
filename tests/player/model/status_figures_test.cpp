// The status panel's figures from the library's reports: the packed fields read back, signed busy
// time, widths that grow rather than cut, and the play time's wrap.
#include "player/model/status_figures.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusFiguresTest, TheCpuReportCarriesTheLoadAndASignedBusyTime) {
    EXPECT_EQ(CpuFigure(ReadCpuReport(7u | (12u << 16))), " 7%( 12ms)");
    EXPECT_EQ(CpuFigure(ReadCpuReport(0)), " 0%(  0ms)");
    // A busy time that went backwards (a clock step) reads as negative, not as 65535.
    EXPECT_EQ(CpuFigure(ReadCpuReport(0xFFFF0000u | 3u)), " 3%( -1ms)");
    // Past the places the figure grows.
    EXPECT_EQ(CpuFigure(ReadCpuReport(150u | (1234u << 16))), "150%(1234ms)");
}

TEST(StatusFiguresTest, ThePolyphonyReportCarriesVoicesAndNotesRequested) {
    EXPECT_EQ(PolyFigure(ReadPolyReport(5u + 256u * 7u)), "05/07(Req.)");
    EXPECT_EQ(PolyFigure(ReadPolyReport(0)), "00/00(Req.)");
    const PolyReport many = ReadPolyReport(32u + 256u * 300u);
    EXPECT_EQ(many.voices, 32);
    EXPECT_EQ(many.requests, 300);
    EXPECT_EQ(PolyFigure(many), "32/300(Req.)");
}

TEST(StatusFiguresTest, ThePlayTimeShowsHundredthsAndItsMinutesWrapAtAnHour) {
    EXPECT_EQ(TimeFigure(0), "00:00.00");
    EXPECT_EQ(TimeFigure(123456), "02:03.45");
    EXPECT_EQ(TimeFigure(59 * 60000 + 59999), "59:59.99");
    EXPECT_EQ(TimeFigure(60 * 60000 + 1500), "00:01.50");
}

TEST(StatusFiguresTest, TheActivityFramesTakeTurns) {
    EXPECT_EQ(NextBusyFrame(0), 1);
    EXPECT_EQ(NextBusyFrame(1), 0);
}

}  // namespace
