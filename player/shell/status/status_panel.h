// The status panel at the foot of the main window: its frame, and where the regions of the
// off-screen picture show in it.
#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>

#include "player/shell/status/status_resources.h"

enum StatusRegion { kCpuRegion, kPolyRegion, kTimeRegion };

// The panel in client pixels: left 1, top H - 60, right W - 1, bottom H - 1 (right and bottom
// outside it), as PanelPlace places it.
QRect StatusPanelRect(QSize client);
// Where a region of the off-screen picture shows in the window.
QRect StatusRegionTarget(StatusRegion region, const QRect& panel);

// The whole panel, for the window's paint event: black, a sunken frame, the separator under the
// buttons, and the three displays as last drawn.
void PaintStatusPanel(QPainter& window, const StatusResources& resources, const QRect& panel);
// The three displays alone, copied from the off-screen picture.
void PaintStatusRegions(QPainter& window, const StatusResources& resources, const QRect& panel);
