// Looking at pictures in tests: where they are opaque, and which buttons show them how.
#pragma once

#include <vector>

#include <QImage>
#include <QRect>
#include <QSize>

// A button's enabled and disabled picture and its focus mark.
struct ButtonImages {
    int enabled, disabled, focus;
    QSize visible;  // what the button shows of its 32 x 32 pictures
};

// Every picture button of the main window; Close and Volume show one picture in both states.
const std::vector<ButtonImages>& MainWindowButtons();

// The smallest rectangle holding every pixel that is not fully transparent (empty: none).
QRect OpaqueBounds(const QImage& image);

// Whether any pixel is opaque in both pictures, the second moved by (dx, dy).
bool Overlap(const QImage& a, const QImage& b, int dx, int dy);
