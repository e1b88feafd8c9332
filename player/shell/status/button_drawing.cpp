#include "player/shell/status/button_drawing.h"

#include "player/resources/images.h"
#include "player/resources/window_ids.h"

namespace {

struct ButtonPictures {
    int id;
    int enabled, disabled;
};

const ButtonPictures kButtons[] = {
    {kCommandPlay, kImagePlay, kImagePlayDisabled},
    {kCommandStop, kImageStop, kImageStopDisabled},
    {kCommandPrevious, kImagePrevious, kImagePreviousDisabled},
    {kCommandNext, kImageNext, kImageNextDisabled},
    {kCommandSettings, kImageSettings, kImageSettingsDisabled},
    {kCommandAddFiles, kImageAddFiles, kImageAddFilesDisabled},
    {kCommandDeleteRows, kImageDeleteRows, kImageDeleteRowsDisabled},
    {kCommandSongListMenu, kImageSongListMenu, kImageSongListMenuDisabled},
    {kCommandMoveUp, kImageMoveUp, kImageMoveUpDisabled},
    {kCommandMoveDown, kImageMoveDown, kImageMoveDownDisabled},
    {kCommandCloseButton, kImageClose, kImageClose},
    {kCommandVolume, kImageVolume, kImageVolume},
};

const ButtonPictures* FindButton(int id) {
    for (const ButtonPictures& button : kButtons) {
        if (button.id == id) return &button;
    }
    return nullptr;
}

}  // namespace

int DrawButton(int id, QPainter& painter, const QRect& rect, ButtonState state,
               const QColor& face) {
    const ButtonPictures* button = FindButton(id);
    if (button == nullptr) return 0;
    painter.save();
    painter.setClipRect(rect);  // the 32 x 32 pictures show only as far as the button goes
    painter.fillRect(rect, id == kCommandSongListMenu ? face : QColor(Qt::black));
    const int mark = id == kCommandSongListMenu ? kImageSongListMenuFocus : kImageFocus;
    // On a screen of pixel ratio 2 the pictures drawn at twice the size.
    const qreal ratio = painter.device()->devicePixelRatio();
    if (state.focused) painter.drawImage(rect.topLeft(), PlayerImage(mark, ratio));
    // A disabled button cannot be pressed: it never shows the pressed offset.
    const bool pressed = state.pressed && !state.disabled;
    const QPoint at = rect.topLeft() + (pressed ? QPoint(1, 1) : QPoint(0, 0));
    painter.drawImage(at, PlayerImage(state.disabled ? button->disabled : button->enabled, ratio));
    painter.restore();
    return 1;
}

QSize PictureButtonSize(int id) {
    return id == kCommandSongListMenu ? QSize(33, 19) : QSize(22, 22);
}
