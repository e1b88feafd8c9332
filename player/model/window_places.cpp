#include "player/model/window_places.h"

#include <algorithm>
#include <cstdint>

namespace {

// No desktop reaches this far: a number beyond it is damage, and never meets the arithmetic.
constexpr int kFarthest = 1 << 16;

bool InReach(std::int32_t value) { return value >= -kFarthest && value <= kFarthest; }

int Right(const PixelRect& r) { return r.left + r.width - 1; }
int Bottom(const PixelRect& r) { return r.top + r.height - 1; }

// The part of place that area shows (both of positive size); 0 x 0 when they do not meet.
PixelRect Overlap(const PixelRect& place, const PixelRect& area) {
    if (area.width <= 0 || area.height <= 0) return {};
    const int left = std::max(place.left, area.left), right = std::min(Right(place), Right(area));
    const int top = std::max(place.top, area.top), bottom = std::min(Bottom(place), Bottom(area));
    if (left > right || top > bottom) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

std::optional<PixelRect> KeptWindowPlace(const WindowMemory& kept, int smallestWidth,
                                         int smallestHeight,
                                         const std::vector<PixelRect>& workAreas) {
    if (!InReach(kept.windowX) || !InReach(kept.windowY) || !InReach(kept.windowWidth) ||
        !InReach(kept.windowHeight)) {
        return std::nullopt;
    }
    const PixelRect place{kept.windowX, kept.windowY, kept.windowWidth, kept.windowHeight};
    if (place.width < smallestWidth || place.height < smallestHeight) return std::nullopt;
    for (const PixelRect& area : workAreas) {
        const PixelRect shown = Overlap(place, area);
        if (shown.top == place.top && shown.width >= smallestWidth &&
            shown.height >= smallestHeight) {
            return place;
        }
    }
    return std::nullopt;
}

PixelRect RestoredWindowPlace(const PixelRect& workArea) {
    // Three quarters, rounded half up; the middle as the area's centre pixel (rounded down).
    const int width = (workArea.width * 3 + 2) / 4;
    const int height = (workArea.height * 3 + 2) / 4;
    const int centreX = static_cast<int>((std::int64_t{workArea.left} + Right(workArea)) / 2);
    const int centreY = static_cast<int>((std::int64_t{workArea.top} + Bottom(workArea)) / 2);
    return {centreX - (width - 1) / 2, centreY - (height - 1) / 2, width, height};
}
