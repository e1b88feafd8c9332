// Looking at the status panel's pixels in tests.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>

#include "player/shell/status/status_resources.h"

// The panel of an 800 x 160 window: left 1, top 100, 798 x 59.
inline const QRect kPanel(1, 100, 798, 59);

// A palette whose button shadow is a colour nothing else draws.
QPalette TestPalette();
StatusResources TestResources();

// Whether the picture shows text with its character cell's top-left at `at`: the pixels of
// `width` columns and the cell's rows are those of the text alone, white on black.
bool ShowsText(const QImage& picture, const QFont& font, QPoint at, const QString& text, int width);
// Every pixel of the area is black.
bool IsBlack(const QImage& picture, const QRect& area);
// Whether some pixel of the area is not black.
bool HasInk(const QImage& picture, const QRect& area);
// The column of rows top..bottom at x is all `colour`.
bool ColumnIs(const QImage& picture, int x, int top, int bottom, QColor colour);
