// What the status panel writes beside its graphs, from the library's block reports: the CPU
// load with the block's busy time, the voices with the notes requested, and the play time.
// (player/shell/status/status_display draws them; graph_bars gives the bars.)
#pragma once

#include <cstdint>
#include <string>

// Report 4: the load in percent in the low 16 bits, the block's busy milliseconds (signed) in
// the high 16 bits.
struct CpuReport {
    unsigned load;
    int busyMs;
};
CpuReport ReadCpuReport(std::uint32_t value);
// " 7%( 12ms)": the load in two places, the busy time in three.
std::string CpuFigure(const CpuReport& report);

// Report 3: the most voices in use in the low 8 bits, the most notes requested in value / 256.
struct PolyReport {
    int voices;
    int requests;
};
PolyReport ReadPolyReport(std::uint32_t value);
// "05/07(Req.)": voices and notes requested, two digits each at the least.
std::string PolyFigure(const PolyReport& report);

// "mm:ss.cc" of the play time; the minutes count on from 59 to 00.
std::string TimeFigure(int elapsedMs);

// The activity picture's frames take turns: 0, 1, 0, ...
int NextBusyFrame(int frame);
