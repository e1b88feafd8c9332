// The activity picture beside the play time: a small level meter whose three bars jump between
// two frames, coloured by height like the CPU graph (green, yellow, red).
#include "player/resources/imagegen/drawings.h"
#include "player/resources/imagegen/pixel_art.h"

namespace {

constexpr int kFrame = 12;
constexpr int kFrames = 8;
constexpr int kBars = 3;
// Every bar moves between the frames, so the alternation shows even at a glance.
constexpr int kBarHeights[2][kBars] = {{5, 10, 7}, {9, 4, 11}};

QRgb LevelColour(int rowFromBottom) {
    if (rowFromBottom < 6) return PaletteColour('G');
    if (rowFromBottom < 9) return PaletteColour('Y');
    return PaletteColour('R');
}

void DrawBar(QImage& strip, int left, int height) {
    for (int level = 0; level < height; ++level) {
        strip.setPixel(left, kFrame - 1 - level, LevelColour(level));
        strip.setPixel(left + 1, kFrame - 1 - level, LevelColour(level));
    }
}

}  // namespace

QImage ActivityStrip() {
    // A bitmap copied as it is: black where nothing is drawn. Frames 2 to 7 stay black.
    QImage strip(kFrame * kFrames, kFrame, QImage::Format_ARGB32);
    strip.fill(Qt::black);
    for (int frame = 0; frame < 2; ++frame) {
        for (int bar = 0; bar < kBars; ++bar) {
            DrawBar(strip, frame * kFrame + 1 + bar * 4, kBarHeights[frame][bar]);
        }
    }
    return strip;
}
