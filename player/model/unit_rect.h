// A rectangle of a dialog template in dialog units: a quarter of the font's average character
// width across, an eighth of its height down (the shell turns it into pixels for a font).
#pragma once

struct UnitRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // The same rectangle moved down by units.
    constexpr UnitRect Lowered(int units) const { return {left, top + units, width, height}; }

    friend bool operator==(const UnitRect&, const UnitRect&) = default;
};
