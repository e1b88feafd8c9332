// Every picture of the player's table, drawn at its size.
#pragma once

#include <QImage>

#include "player/resources/images.h"

// The row's picture; throws std::invalid_argument for an id imagegen cannot draw or a drawing
// of another size than the row's.
QImage DrawImage(const ImageEntry& entry);
