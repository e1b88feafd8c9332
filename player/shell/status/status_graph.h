// The scrolling bar graphs of the CPU and POLY strips: 2-pixel columns 3 pixels apart, the
// newest at x 90-91, in a graph from x 33 to 91 and 13 rows high. The bars' heights and colours
// are player/model/graph_bars'.
#pragma once

#include <QColor>
#include <QImage>

#include "player/model/graph_bars.h"

// Green through yellow to red as the bar grows (GraphBarColour).
QColor GraphColumnColour(int barHeight);

// Moves the graph's 13 rows from `top` 3 pixels to the left; what leaves the graph is gone.
void ScrollGraph(QImage& picture, int top);
// The newest column: barHeight + 1 rows from row `foot`, upwards or downwards.
void DrawGraphColumn(QImage& picture, int foot, int barHeight, bool upwards);
