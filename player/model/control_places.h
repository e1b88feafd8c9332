// Where the main window's controls go for a client area of W x H pixels, as plain arithmetic:
// the window's layout (player/shell/window/window_layout) moves its widgets there.
#pragma once

// A rectangle of pixels: its top left corner and its size; 0 x 0 for none.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The place of control id (kControlSongListCombo with the height of its dropped list); 0 x 0
// for others.
PixelRect ControlPlace(int id, int width, int height);
// The status panel: left 1, top H - 60, right W - 1, bottom H - 1 (right and bottom outside).
PixelRect PanelPlace(int width, int height);
