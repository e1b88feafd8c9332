// Every picture of the player's table, drawn at its size or at a multiple of it.
#pragma once

#include <QImage>

#include "player/resources/images.h"

// The row's picture at scale times its size: drawings of any size are drawn at it, pixel art
// has each of its pixels made a square of scale x scale. Throws std::invalid_argument for an id
// imagegen cannot draw or a drawing of another size than the row's.
QImage DrawImage(const ImageEntry& entry, int scale = 1);
