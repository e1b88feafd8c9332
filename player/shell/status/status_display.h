// The three live displays of the status panel: CPU load, polyphony and play time. Each draws
// into the off-screen picture and returns the window rectangle to update from it.
#pragma once

#include <cstdint>

#include <QRect>

#include "player/shell/status/status_resources.h"

// Report 4: the load in percent in the low 16 bits, the block's busy milliseconds (signed) in
// the high 16 bits.
QRect DrawCpuDisplay(StatusResources& resources, const QRect& panel, std::uint32_t value);
// Report 3: the most voices in use in the low 8 bits, the most notes requested in value / 256.
QRect DrawPolyDisplay(StatusResources& resources, const QRect& panel, std::uint32_t value,
                      int polyLimit);
// The play time so far, with the next frame of the activity picture; busyFrame alternates 0, 1.
QRect DrawTimeDisplay(StatusResources& resources, const QRect& panel, int elapsedMs,
                      int& busyFrame);
