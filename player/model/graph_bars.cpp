#include "player/model/graph_bars.h"

namespace {

constexpr int kFullBar = 12;

}  // namespace

int CpuBarHeight(unsigned load) {
    return load > 100 ? kFullBar : static_cast<int>(load * kFullBar / 100);
}

int PolyBarHeight(int voices, int polyLimit) {
    // From the limit on the bar is full anyway; so a limit of 0 never divides.
    return voices >= polyLimit ? kFullBar : voices * kFullBar / polyLimit;
}

BarColour GraphBarColour(int barHeight) {
    if (barHeight <= 6) return {42 * barHeight, 255, 0};
    return {255, 507 - 42 * barHeight, 0};
}
