// The status panel's drawing resources: made once when the main window starts, released when
// it closes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>

struct StatusResources {
    QColor framePen;  // the system's button-shadow colour: the panel's top and left edges
    QFont font;       // "Tahoma", a 12-pixel character cell, normal weight
    QImage picture;   // 240 x 100 off-screen picture that keeps the displays between reports,
                      // in the window's pixels: its own are finer by its pixel ratio
    QImage activity;  // activity strip 159: frames of 12 x 12 side by side, at the picture's ratio
};

// The frame colour comes from the window's palette; the picture starts black. It takes the
// screen's pixel ratio rounded to a whole number (at least 1): at 2 it holds twice the pixels
// each way, so that its texts and graphs are drawn at the screen's resolution.
StatusResources CreateStatusResources(const QPalette& palette, qreal pixelRatio = 1);
// The picture's own pixels under a rectangle of the window's.
QRect PicturePixels(const QImage& picture, const QRect& area);
void ReleaseStatusResources(StatusResources& resources);
