#include "player/model/control_places.h"

#include <array>
#include <cstddef>

#include "player/resources/window_ids.h"

namespace {

constexpr int kButtonSize = 22;
// The buttons in the panel's row, left to right, 23 pixels apart.
constexpr std::array<int, 10> kRowButtons = {
    kCommandPlay,     kCommandStop,       kCommandPrevious, kCommandNext,     kCommandSettings,
    kCommandAddFiles, kCommandDeleteRows, kCommandMoveUp,   kCommandMoveDown, kCommandVolume};

int RowIndex(int id) {
    for (std::size_t i = 0; i < kRowButtons.size(); ++i) {
        if (kRowButtons[i] == id) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

PixelRect PanelPlace(int width, int height) { return {1, height - 60, width - 2, 59}; }

PixelRect ControlPlace(int id, int width, int height) {
    const int w = width, h = height;
    const PixelRect panel = PanelPlace(width, height);
    if (id == kControlSongListCombo) return {1, 1, w - 50, 100};
    if (id == kControlSongList) return {1, 26, w - 2, h - 88};
    if (id == kCommandCloseButton) return {w - 28, panel.top + 35, kButtonSize, kButtonSize};
    if (id == kCommandSongListMenu) return {w - 40, 3, 33, 19};
    const int index = RowIndex(id);
    if (index < 0) return {};
    return {panel.left + 6 + 23 * index, panel.top + 4, kButtonSize, kButtonSize};
}
