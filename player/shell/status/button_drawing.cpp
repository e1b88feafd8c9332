#include "player/shell/status/button_drawing.h"

#include "player/resources/images.h"

namespace {

constexpr int kSongListMenu = 1013;

struct ButtonPictures {
    int id;
    int enabled, disabled;
};

const ButtonPictures kButtons[] = {
    {1032, 125, 128},  // Play
    {1033, 130, 132},  // Stop
    {1034, 133, 134},  // Previous
    {1035, 135, 136},  // Next
    {1037, 137, 138},  // Settings
    {1012, 140, 142},  // Add files
    {1011, 141, 143},  // Delete rows
    {1013, 144, 145},  // Song-list menu
    {1014, 153, 155},  // Move up
    {1015, 154, 156},  // Move down
    {1016, 157, 157},  // Close
    {1017, 169, 169},  // Volume
};

const ButtonPictures* FindButton(int id) {
    for (const ButtonPictures& button : kButtons) {
        if (button.id == id) return &button;
    }
    return nullptr;
}

}  // namespace

int DrawButton(int id, QPainter& painter, const QRect& rect, ButtonState state, const QColor& face) {
    const ButtonPictures* button = FindButton(id);
    if (button == nullptr) return 0;
    painter.save();
    painter.setClipRect(rect);  // the 32 x 32 pictures show only as far as the button goes
    painter.fillRect(rect, id == kSongListMenu ? face : QColor(Qt::black));
    if (state.focused) painter.drawImage(rect.topLeft(), PlayerImage(id == kSongListMenu ? 146 : 129));
    // A disabled button cannot be pressed: it never shows the pressed offset.
    const bool pressed = state.pressed && !state.disabled;
    const QPoint at = rect.topLeft() + (pressed ? QPoint(1, 1) : QPoint(0, 0));
    painter.drawImage(at, PlayerImage(state.disabled ? button->disabled : button->enabled));
    painter.restore();
    return 1;
}

QSize PictureButtonSize(int id) {
    return id == kSongListMenu ? QSize(33, 19) : QSize(22, 22);
}
