// The status panel's drawing resources: made once when the main window starts, released when
// it closes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>

struct StatusResources {
    QColor framePen;  // the system's button-shadow colour: the panel's top and left edges
    QFont font;       // "Tahoma", a 12-pixel character cell, normal weight
    QImage picture;   // 240 x 100 off-screen picture that keeps the displays between reports
    QImage activity;  // activity strip 159: frames of 12 x 12 side by side
};

// The frame colour comes from the window's palette; the picture starts black.
StatusResources CreateStatusResources(const QPalette& palette);
void ReleaseStatusResources(StatusResources& resources);
