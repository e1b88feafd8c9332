#include "player/shell/window/window_buttons.h"

#include "player/model/button_tips.h"
#include "player/model/player_state.h"
#include "player/shell/status/picture_button.h"

QAbstractButton* ControlButton(const MainWindowControls& controls, int id) {
    for (std::size_t i = 0; i < kButtonIds.size(); ++i) {
        if (kButtonIds[i] == id) return controls.buttons[i];
    }
    return nullptr;
}

QAbstractButton* MakeControlButton(int id, QWidget* parent) {
    auto* button = new PictureButton(id, parent);
    button->setToolTip(QString::fromStdU16String(ButtonTip(id, g_player.japaneseUi)));
    return button;
}
