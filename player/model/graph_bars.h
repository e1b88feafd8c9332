// The bars of the status panel's CPU and POLY graphs as numbers: their heights and colours
// (player/shell/status/status_graph draws them).
#pragma once

// Bar height 0..12 of a load in percent; any load above 100 is a full bar.
int CpuBarHeight(unsigned load);
// Bar height 0..12 of the voices in use against the polyphony limit; full from the limit on.
int PolyBarHeight(int voices, int polyLimit);

struct BarColour {
    int red;
    int green;
    int blue;

    friend bool operator==(const BarColour&, const BarColour&) = default;
};

// Green through yellow to red as the bar grows.
BarColour GraphBarColour(int barHeight);
