// Turning motifs into the pictures the windows draw, and the disabled looks.
#pragma once

#include <QImage>
#include <QSize>

// A fully transparent picture.
QImage Canvas(QSize size);

// The motif centred in the visible area at the canvas's top-left corner (a button shows only
// that part of its picture).
QImage Centred(const QImage& motif, QSize canvas, QSize visible);

// A dimmed grey version for a disabled button on black: the same pixels, darker, every colour
// turned grey by its brightness, so shading stays readable.
QImage Dimmed(const QImage& picture);

// The disabled look on a light button face: the motif in one grey over a white copy of itself
// one pixel right and down.
QImage Engraved(const QImage& picture);
