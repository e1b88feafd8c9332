#include "player/shell/window/window_buttons.h"

#include <QDialog>

#include "player/model/button_tips.h"
#include "player/shell/status/picture_button.h"
#include "player/shell/window/player_state.h"

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

namespace {

// The buttons that change the settings or the list: off while a song plays.
constexpr int kEditButtons[] = {kCommandSettings, kCommandMoveUp, kCommandMoveDown,
                                kCommandDeleteRows};

void Enable(const MainWindowControls& controls, int id, bool enabled) {
    if (QAbstractButton* button = ControlButton(controls, id)) button->setEnabled(enabled);
}

}  // namespace

void SetPlayingButtons(const MainWindowControls& controls) {
    Enable(controls, kCommandPlay, false);
    Enable(controls, kCommandStop, true);
    for (int id : kEditButtons) Enable(controls, id, false);
}

void SetPausedButtons(const MainWindowControls& controls) {
    SetPlayingButtons(controls);
    Enable(controls, kCommandPlay, true);
}

void SetIdleButtons(const MainWindowControls& controls) {
    Enable(controls, kCommandPlay, true);
    Enable(controls, kCommandStop, false);
    for (int id : kEditButtons) Enable(controls, id, true);
    controls.window->setWindowTitle(QStringLiteral("Tesalo"));
}
