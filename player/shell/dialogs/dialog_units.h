// Dialog templates give sizes in dialog units: a quarter of the font's average character width
// across, an eighth of its height down.
#pragma once

#include <QRect>
#include <QSize>

#include "player/model/unit_rect.h"

class QFont;

// The average character width and the height of font, the base of its dialog units.
QSize DialogBaseUnits(const QFont& font);

// A rectangle of a template in pixels: each edge scaled on its own and rounded to the nearest
// pixel, so neighbouring controls keep meeting where the template makes them meet.
QRect DialogUnitsToPixels(const QRect& units, const QSize& base);

// The same for a rectangle of the model's templates.
QRect DialogUnitsToPixels(const UnitRect& units, const QSize& base);
