#include "player/model/status_figures.h"

#include <cstdio>

namespace {

// The figures are a few characters: printf's forms, written into a small buffer.
template <typename... Values>
std::string Format(const char* form, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, form, values...);
    return text;
}

}  // namespace

CpuReport ReadCpuReport(std::uint32_t value) {
    return {value & 0xFFFFu, static_cast<std::int16_t>(value >> 16)};
}

std::string CpuFigure(const CpuReport& report) {
    return Format("%2d%%(%3dms)", static_cast<int>(report.load), report.busyMs);
}

PolyReport ReadPolyReport(std::uint32_t value) {
    return {static_cast<int>(value & 0xFFu), static_cast<int>(value / 256)};
}

std::string PolyFigure(const PolyReport& report) {
    return Format("%02d/%02d(Req.)", report.voices, report.requests);
}

std::string TimeFigure(int elapsedMs) {
    const auto ms = static_cast<std::uint32_t>(elapsedMs);
    return Format("%02u:%02u.%02u", ms / 60000 % 60, ms / 1000 % 60, ms / 10 % 100);
}

int NextBusyFrame(int frame) { return frame + 1 == 2 ? 0 : frame + 1; }
